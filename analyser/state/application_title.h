#pragma once
// The analyser's name as the person sees it: window and box captions, the profile, files.
inline constexpr char kApplicationTitle[] = "Sylvarine";
