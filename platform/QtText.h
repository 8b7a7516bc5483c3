#pragma once
// The one mapping between the module's texts and Qt's. The module's texts
// are byte strings, as the agent sends them: mostly ASCII or UTF-8, but a
// name may be Latin-1 and a display string binary. Every text that crosses
// into Qt goes through ShownText, and every text read back from a widget
// through BytesOf against the bytes it was given, so that a value read,
// shown and written back unedited keeps its very bytes.

#include <QObject>
#include <QString>
#include <QVariant>

#include <string>
#include <string_view>

bool IsUtf8(std::string_view bytes);

// Valid UTF-8 shows as it reads; any other byte string shows each byte as
// its Latin-1 character (0xE9 as "é").
QString ShownText(std::string_view bytes);

// The bytes of a text that no byte string was shown for (typed into an empty
// widget, or built by Qt): its UTF-8.
std::string TypedBytes(const QString& text);

// The bytes a widget holds that was given `shown` and now reads `now`: the
// given bytes while the text is unchanged. An edited text keeps the encoding
// the original was shown in: Latin-1 when it was shown as Latin-1 and every
// character still fits, UTF-8 otherwise.
std::string EditedBytes(const QString& now, std::string_view shown);

// The bytes a widget was given, kept beside what it shows (a dynamic
// property of the widget, an item's data role), and the bytes it holds now:
// EditedBytes against the kept bytes, or TypedBytes when none were kept.
QVariant KeptBytes(std::string_view bytes);
std::string BytesOf(const QString& now, const QVariant& kept);

// The same for a widget's one text, kept in its dynamic property "kxBytes".
void KeepBytes(QObject* widget, std::string_view bytes);
std::string WidgetBytes(const QObject* widget, const QString& now);

// A text that its box cuts, whole, as the box's tooltip shows it: a long
// text without line breaks (a port list of the whole stack, an engine id) in
// lines of 64 characters, at most 24 lines.
QString WholeTextTip(const QString& text);
