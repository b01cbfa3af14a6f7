#pragma once

// What a screen reader reads of an edit field that an up-down control steps:
// a spin box named by its label, whose value is the number it shows within
// the control's range. UpDownControl installs it for its buddy.
void InstallUpDownAccessible();
