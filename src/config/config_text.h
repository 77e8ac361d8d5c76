// How the lines of the configuration file are made.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace config {

// The lines the file starts with, as one text.
QString templateText();
QString quote();       // one double quote
QString buyLineEnd();  // reset"

// The header line of a section: "// [ " title " ] " (it ends with a blank).
QString sectionHeaderLine(QStringView title);

// keyword, one blank, then the value between two quotes.
QString valueLine(QStringView keyword, QStringView value);
QString valueLine(QStringView keyword, long long value);

// A whole number in signed decimal (list positions too: none is "-1").
QString numberText(long long value);

// A value with a fraction: at most 15 significant digits, no trailing zeros,
// no separator for a whole value, and always the point, which the game reads.
QString fractionText(double value);

// A section as it is appended: one empty line, the header, then its lines.
QStringList section(QStringView title, const QStringList& lines);

}  // namespace config
