// A project holding one of each drawable and each shape over a picture background, for the
// still-picture tests and for looking at.
#pragma once

#include <memory>
#include <string>

class CAbstractMovie;

namespace fixtures {

// Builds the project; the pictures are drawn and written as bitmap files into dir first.
std::unique_ptr<CAbstractMovie> ShowcaseProject(const std::string& dir);

} // namespace fixtures
