#include "analyser/frame/about_template.h"

namespace {

using K = ControlKind;

constexpr int32_t kOk = 1;

constexpr DialogControl kControls[] = {
    {K::Icon, kStaticControlId, "sylvarine", {11, 10, 21, 20}, 0},
    {K::Frame, kStaticControlId, "", {45, 6, 152, 72}, 0},
    {K::Picture, kStaticControlId, "sylvarine", {47, 8, 148, 68}, 0},
    {K::CentredLabel, kStaticControlId, "Sylvarine version " SYLVARINE_VERSION,
     {7, 82, 228, 10}, 0},
    {K::DefaultPushButton, kOk, "OK", {96, 93, 50, 14}, 0},
};

constexpr DialogTemplate kAboutBox = {
    100, "A propos de L'Dodiravadovu Duzav", 242, 110, "MS Sans Serif", 8, kControls};

}  // namespace

const DialogTemplate& AboutBoxTemplate() { return kAboutBox; }

const char* ProgramVersion() { return SYLVARINE_VERSION; }
