#pragma once

class QComboBox;

namespace Module1 {

// Shows a drop-down list's entries in its own face when every one fits the
// closed box, and otherwise in the narrow cut of that face, at the same size
// and weight, so that each entry reads whole. Call it once the list is filled.
void fitEntries(QComboBox& list);

}  // namespace Module1
