#pragma once
// The grid saved as a text file ("Save to file" of the Data Retrieve page).
//
//   project<site key>PANEL<panel>  Repeater<sub> CR LF     (cut to 255 characters)
//   <cell 0> TAB <cell 1> TAB ... <cell n-1> TAB CR LF     one line per grid row
//
// Row 0 holds the column headers. Rows whose first cell is empty (the rows
// the preparation reserved and no reply filled) are not written. Each cell
// is cut to 255 characters; texts are written in code page 1252, as the
// panels send them.

#include "RetrievalGrid.h"

#include <QByteArray>

class QIODevice;

namespace retrievalfile {

// The header line without its line end.
QByteArray headerLine(const QByteArray &siteKey, int panel, int sub);
// The whole file.
QByteArray fileBytes(const RetrievalGrid &grid, const QByteArray &siteKey, int panel, int sub);
// Writes the whole file to `path`, replacing an existing file. Returns false
// (and the reason in `error`) when the file cannot be written.
bool save(const QString &path, const RetrievalGrid &grid, const QByteArray &siteKey, int panel, int sub,
          QString *error);

} // namespace retrievalfile
