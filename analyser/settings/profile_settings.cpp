// Placeholder until the profile settings land.
#include "analyser/settings/profile_settings.h"
void LoadProfileSettings(ViewState&, IProfile&) {}
void SaveProfileSettings(const ViewState&, IProfile&) {}
