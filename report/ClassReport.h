#pragma once

#include "users/ChildRecords.h"
#include "users/UserFiles.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// A class at a glance for a teacher: what each child's files come to, per
// drill, read without changing, making or locking any file of the folder.
namespace report {

// The class report is made of what each child's files come to.
using users::ChildReport;
using users::DrillFigures;
using users::DrillRow;
using users::factText;
using users::figuresOf;
using users::passedText;
using users::readChild;
using users::roundDate;

// Every child the folder lists, by name.
std::vector<ChildReport> readClass(const users::UserFiles &files, QDate today);

// The CSV: UTF-8 with a byte order mark (so a Japanese spreadsheet program
// reads it as UTF-8), CR LF line ends, a header row, then one row per child
// and drill.
QByteArray csvOf(const std::vector<ChildReport> &children);

// A field as CSV writes it: quoted when it holds a comma, a quote, a CR or
// an LF, a quote doubled; a text a spreadsheet would take for a formula
// (starting with = + - @) begins with an apostrophe.
QString csvField(const QString &text);

} // namespace report
