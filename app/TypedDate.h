// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date boxes that take a date typed whole, separators included. A QDateTimeEdit
// rejects a digit typed over a selection that spans several sections (the
// text would no longer parse), and the separator typed next moves on to the
// following section: selecting "09/03/2027" and typing "15/03/2027" left the
// day at 09. And once a section is full ("15"), the box moves on by itself,
// so the separator typed next skipped the month. With this, a digit typed
// over such a selection goes into the first selected section, and a
// separator typed just after the box moved on by itself is dropped, so the
// whole date, and a time after it, takes.

class QDateEdit;
class QDateTimeEdit;

namespace kalto {

// Applies to `edit` for its lifetime (a QDateEdit is a QDateTimeEdit too).
void AcceptTypedDate(QDateTimeEdit* edit);

// A date box as the pages show their spans: dd/MM/yyyy, a calendar that drops
// down, and a date typed whole taken.
[[nodiscard]] QDateEdit* NewDatePicker();

}  // namespace kalto
