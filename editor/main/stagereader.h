// The stage of the editor as a screen reader reads it: each object of the current stage with
// its shown name, its kind and its place ("Birthday cake, clipart, at 420, 300").
#pragma once

#include "editor/skin/accessible.h"

#include <vector>

class CEditorDialog;

// The objects of the editor's current stage, the one on top first; none without a project.
std::vector<accessible::StageObject> StageObjectsOf(const CEditorDialog& editor);

// Makes the editor's stage readable (once, when the editor is made).
void MakeStageReadable(CEditorDialog& editor);
