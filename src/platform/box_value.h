#pragma once

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Puts the caption beside the box, as the form shows it: the label's buddy (Alt with its mnemonic
// moves there) and the box's accessible name, which screen readers say and error messages use.
QLabel* CaptionBox(QLabel* caption, QWidget& box);
// The caption the form gave the box, without its mnemonic mark.
std::string BoxCaption(const QWidget& box);

// A box's text as an integer. Text that is none raises the conversion error naming the box by its
// caption ("預測下"), so the message says which box to mend.
int BoxInteger(const QComboBox& box);
int BoxInteger(const QLineEdit& box);
