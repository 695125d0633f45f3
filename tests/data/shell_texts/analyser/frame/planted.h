constexpr char kUntitledName[] = "Sans titre";
