// How the lines of the configuration file are made.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace config {

// The lines the file starts with, as one text.
QString TemplateText();
QString QuoteString();       // one double quote
QString ResetQuoteString();  // reset"

// The header line of a section: "// [ " title " ] " (it ends with a blank).
QString SectionHeaderLine(QStringView title);

// keyword, one blank, then the value between two quotes.
QString ValueLine(QStringView keyword, QStringView value);
QString ValueLine(QStringView keyword, long long value);

// A whole number in signed decimal (list positions too: none is "-1").
QString NumberText(long long value);

// A value with a fraction: at most 15 significant digits, no trailing zeros,
// no separator for a whole value, and always the point, which the game reads.
QString FractionText(double value);

// A section as it is appended: one empty line, the header, then its lines.
QStringList Section(QStringView title, const QStringList& lines);

}  // namespace config
