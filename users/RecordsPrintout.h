#pragma once

#include "users/ChildRecords.h"

#include <QDate>

class QPagedPaintDevice;

// A child's records on paper, for a parent: A4 portrait in the game's face.
// For each drill played, a page with the days it was played on, how many
// rounds, the levels passed, the records chart beside the weakest facts and
// how they were answered, and the map of weak facts; then its rounds in a
// table, two columns to a page; a drill never played
// is left out, and a child who has played nothing gets one page saying so.
namespace users {

// The newest rounds of a drill the table prints; the earlier ones are
// counted above it.
inline constexpr int PrintedRounds = 192;

// Paints the report on the device's pages (set up A4 portrait by the
// caller). False when the pages could not be written.
bool printChildRecords(QPagedPaintDevice &device, const ChildReport &child, QDate today);

} // namespace users
