namespace corvane_core_detail { int placeholder = 0; }
