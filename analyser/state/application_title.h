#pragma once
// The analyser's name as the person sees it: window and box captions, the profile, files.
inline constexpr char kApplicationTitle[] = "Sylvarine";
// The company key under which the per-user profile lives: Software\Kelvory\Sylvarine.
inline constexpr char kCompanyKey[] = "Kelvory";
