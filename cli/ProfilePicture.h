#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "render/PictureFile.h"

class CDecoderDoc;
class COutputGuard;

// The format a picture file's name asks for: ".svg" or ".png", in any case.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// Draws the design's profile from startElevation at width by height and
// writes it to path in format, replacing the file safely unless guard refuses
// it (before anything is drawn). A failure is reported as the framework
// reports a file failure; returns whether the file was written.
bool WriteProfilePicture(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path,
                         const COutputGuard& guard, PictureFormat format, int width, int height);

// Draws the profile as a PNG thumbnail size pixels wide and writes it to path
// as WriteProfilePicture does.
bool WriteThumbnail(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path, const COutputGuard& guard,
                    int size);
