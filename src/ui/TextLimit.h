#pragma once

#include <QString>

// Length caps of input fields. A length counts UTF-16 code units, as the service counts them;
// a cut never ends inside a character, so an emoji (a surrogate pair) or a letter with its
// combining marks is kept whole or left out whole.
namespace TextLimit {

// The longest start of text that is at most maxLength long and ends between two characters.
QString cut(const QString& text, int maxLength);

} // namespace TextLimit
