// Keeps the platform core a library while it holds only interfaces.
namespace platform_core_detail { int placeholder = 0; }
