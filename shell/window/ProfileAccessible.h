#pragma once

class CProfileStrip;

// What a screen reader reads of the elevation profile: a chart named and
// described as the widget is, holding one item, the keyboard's marker, named
// after the marked segment as the tooltip tells it. The program installs it
// once, before the first profile is made.
void InstallProfileAccessible();

// Tells a screen reader that the marker moved, while the profile has the focus.
void AnnounceMarker(CProfileStrip& strip);
