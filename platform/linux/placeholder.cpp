namespace platform_linux_detail { int placeholder = 0; }
