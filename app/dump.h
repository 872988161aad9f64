// The tool's JSON view of archived objects: every stored field under its own name.
#pragma once

#include <string>

class CAbstractMovie;
class CHeaderObject;
class CJsonWriter;
class CObject;

void DumpMovie(CJsonWriter& json, const CAbstractMovie& movie);
void DumpHeader(CJsonWriter& json, const CHeaderObject& header);
// Any single archived object of a library item file.
void DumpItem(CJsonWriter& json, const CObject& object);
// The class name of an item object ("CAnimationObject", ...).
std::string ItemClassName(const CObject& object);
