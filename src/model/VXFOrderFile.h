#pragma once
#include "model/VXFMatListItem.h"
#include <QString>

// The order file: one order record (header, rates, notes, positions) in the typed stream.
// Files of every version since the first load, whatever their extension ("vfo370", and "vfo"
// of the previous generation); saving always writes the current version.

namespace vx {

class TSpecStream;
class TvxfOrder;

// Writes the order record in the current version, whatever the order's Version holds.
void WriteOrder(TSpecStream& s, const TvxfOrder& order);
// Reads an order record into the order. A file of an older version is loaded after the user
// agreed (converted becomes true); a refused conversion and a file of a newer version end the
// load after the first seven fields. Raises on damaged data; the order then holds what was
// read before, whole positions only.
void ReadOrder(TSpecStream& s, TvxfOrder& order, bool& converted);

// The rate list as a count and its currency item records; reading empties the list first.
void WriteRates(TSpecStream& s, const TRateList& rates);
void ReadRates(TSpecStream& s, TRateList& rates, const QString& version);

// Whether a file of the given version is read on: the current version is; an older one after
// the user agreed to the conversion question (converted becomes true); a newer one, or one of
// the same key written differently, is refused with the warning. The question takes the file's
// and the current version, the warning the current and the file's one. Raises for a version
// text that is not a date.
bool AcceptFileVersion(const QString& fileVersion, const QString& currentVersion, const QString& question,
                       const QString& newerWarning, bool& converted);

// Writes the stream into the file through a temporary file beside it, flushed before it takes
// the file's place, so that a failure leaves the previous file untouched. The failure is shown
// as the message with its text for "%1"; false then.
bool SaveStreamToFile(const TSpecStream& s, const QString& fileName, const QString& failureMessage);

} // namespace vx
