#pragma once

#include <optional>

class QLineEdit;

// Reads a whole number from a dialog's edit field and checks it against
// minimum..maximum (ReadIntField). Text that is not an integer, and a value out
// of range, are refused with the program's messages; the focus then goes back to the field
// with its text selected, so the user can type over it. Nothing: refused.
std::optional<int> ExchangeIntField(QLineEdit& field, int minimum, int maximum);
