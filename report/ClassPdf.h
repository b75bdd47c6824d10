#pragma once

#include "report/ClassReport.h"

#include <QDate>
#include <QString>

#include <vector>

namespace report {

// The printable class summary, A4 portrait in the game's face: one table
// of the class (continued on as many pages as it needs), then one page per
// child. Needs the application object of a program that paints
// (QGuiApplication). False when the file cannot be written.
bool writeClassPdf(const QString &file, const std::vector<ChildReport> &children, QDate today);

} // namespace report
