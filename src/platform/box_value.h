#pragma once

#include <string_view>

class QComboBox;
class QLineEdit;

// A box's text as an integer. Text that is none raises the conversion error naming the box by the
// caption the user sees beside it ("預測下"), so the message says which box to mend.
int BoxInteger(const QComboBox& box, std::string_view caption);
int BoxInteger(const QLineEdit& box, std::string_view caption);
