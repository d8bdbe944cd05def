#pragma once

// The session panel's evening saved as files: the report page that vellaro-sim writes for
// the same evening, and the chart as a picture.

#include <QString>
#include <vector>

#include "export/file_replace.h"
#include "session/evening_page.h"

class QWidget;

namespace vellaro::app {

// Both write as ReplaceFileAtomically does (whole or not at all, a pipe or a device as a
// stream), and never over one of `in_use` (the journal's files).

// Writes the evening page of `track` to `path`. Returns why it could not, or an empty text.
QString SaveEveningPage(const QString& path, const vellaro::EveningPageText& text,
                        const vellaro::SessionTrack& track, const vellaro::FilesInUse& in_use);

// Writes the chart of the evening to `path`: for a name ending in ".svg" drawn by the report
// page's own chart code from `points`, so that it matches the page; otherwise as PNG, a
// picture of `view` as the panel shows it. Returns why it could not, or an empty text.
QString SaveEveningChart(const QString& path, const std::vector<vellaro::TrackPoint>& points,
                         QWidget& view, const vellaro::FilesInUse& in_use);

}  // namespace vellaro::app
