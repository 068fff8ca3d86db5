#pragma once
// How the installation script reads the toolkit's answers.
#include <QByteArray>
#include <QString>

namespace setup {

enum class Event { Cancel, Back, Continue, Exit, Other };

// The sum of the codes of the word's first two characters, as signed bytes,
// kept to 16 bits. A shorter word counts its terminating zero.
int EventSum(const QByteArray& word);

// Events are told apart by that sum alone: "CANCEL" 132, "BACK" 131,
// "CONTINUE" 146, "EXIT" 157.
Event ClassifyEvent(const QByteArray& word);

QString WithTrailingSlash(const QString& dir);
// Removes one trailing '/', for showing a folder in the destination dialog.
QString WithoutTrailingSlash(const QString& dir);

} // namespace setup
