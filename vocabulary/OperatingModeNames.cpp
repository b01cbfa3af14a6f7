#include "vocabulary/NameTableBuilder.h"

// Operating mode names, by design byte 6.
constinit const NameTable OperatingModeNames = MakeNameTable({
    {0, "Normal Mode"},
    {1, "Continuous Circuit Mode"},
    {2, "Reverse-Incline Launched Shuttle Mode"},
    {3, "Powered Launch Mode"},
    {4, "Shuttle Mode"},
    {5, "Boat Hire Mode"},
    {6, "Upward Launch Mode"},
    {7, "Rotating Lift Mode"},
    {8, "Station to Station Mode"},
    {9, "Single ride per admission"},

    {10, "Unlimited rides per admission"},
    {11, "Maze Mode"},
    {12, "Race Mode"},
    {13, "Bumper-Car Mode"},
    {14, "Swing Mode"},
    {15, "Shop/Stall Mode"},
    {16, "Rotation Mode"},
    {17, "Forward Rotation"},
    {18, "Backward Rotation"},
    {19, "Film: \"Avenging Aviators\""},

    {20, "3D Film: \"Mouse Tails\""},
    {21, "Space Rings Mode"},
    {22, "Beginners Mode"},
    {23, "LIM-Powered Launch Mode"},
    {24, "Film: \"Thrill Riders\""},
    {25, "3D Film: \"Storm Chasers\""},
    {26, "3D Film: \"Space Raiders\""},
    {27, "Intense Mode"},
    {28, "Berserk Mode"},
    {29, "Haunted House Mode"},

    {30, "Circus Show Mode"},
    {31, "Downward Launch Mode"},
    {32, "Crooked House Mode"},
    {33, "Freefall Drop Mode"},
});
