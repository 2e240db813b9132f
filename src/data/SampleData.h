#pragma once
// The sample library and task a new main database starts with, so a new user sees something
// at once: a few realistic container types and box kinds and one small task that solves in
// seconds.
#include <QString>

namespace palvane {

class Store;

// Fills an empty database with the sample rows in one transaction. A database that already
// holds container types, box kinds or tasks is left as it is (and true is returned). False
// with a message when writing failed; nothing is then written.
bool seedSampleData(Store& store, QString* error = nullptr);

} // namespace palvane
