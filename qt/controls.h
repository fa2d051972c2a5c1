#pragma once

#include "form/window_table.h"

class QLabel;
class QWidget;

namespace qt {

// The Qt widget that realises a row of the window table, named, placed and showing its
// start text; a combo box's list is filled later, by Form_Load.
QWidget* makeControl(QWidget* form, const form::Row& row);

// The caption label beside a field: flat, opaque, its caption right-aligned.
QLabel* makeCaptionLabel(QWidget* form, const form::CaptionLabel& caption);

}  // namespace qt
