// A project holding one of each drawable and each shape over a picture background, for the
// still-picture tests and for looking at.
#pragma once

#include <memory>
#include <string>

class CAbstractMovie;

namespace fixtures {

// Builds the project; the pictures are drawn and written as bitmap files into dir first.
std::unique_ptr<CAbstractMovie> ShowcaseProject(const std::string& dir);

// A short greeting in motion: a balloon drifting right and growing, one rising and
// shrinking, a shape circling, and a clip whose inner star spins on its own circle; its
// length is set from its effects.
std::unique_ptr<CAbstractMovie> MotionProject(const std::string& dir);

} // namespace fixtures
