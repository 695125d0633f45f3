// Placeholder until the installer window lands.
int main() { return 0; }
