#pragma once

#include <QString>
#include <string>

/// Numbers in the number boxes as the window's language writes them (QLocale's default,
/// which the translation sets): a German or Finnish window reads and shows a decimal
/// comma. A window whose language writes a decimal point keeps the program's own rules
/// (ParseNumber, FormatNumber) exactly, as the data file and tarvo-convert do.
namespace LocalNumber {

/// The number at the start of text: the longest leading number written the local way
/// ("1.500,25" is 1500.25 in German), unless the program's own rule reads a longer
/// leading number ("1.5" is 1.5), so that no text is read as less of it than it holds.
double Read(const QString& text);

/// Whether the language writes a decimal comma, so that a typed query reads "1,5" as 1.5.
bool DecimalComma();

/// text, a number as FormatNumber or FormatCoefficient writes it, with the local decimal
/// separator and, like them, no grouping.
QString Show(const std::string& text);

}  // namespace LocalNumber
