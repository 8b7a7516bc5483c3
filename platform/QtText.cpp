#include "platform/QtText.h"

#include <QStringList>

#include <cstdint>

bool IsUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t more = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= bytes.size()) return false;
        for (size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

QString ShownText(std::string_view bytes) {
    const auto size = static_cast<qsizetype>(bytes.size());
    return IsUtf8(bytes) ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string TypedBytes(const QString& text) { return text.toStdString(); }

namespace {

bool FitsLatin1(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF) return false;
    return true;
}

}  // namespace

std::string EditedBytes(const QString& now, std::string_view shown) {
    if (now == ShownText(shown)) return std::string(shown);
    if (!IsUtf8(shown) && FitsLatin1(now)) {
        const QByteArray latin1 = now.toLatin1();
        return std::string(latin1.constData(), static_cast<size_t>(latin1.size()));
    }
    return TypedBytes(now);
}

QVariant KeptBytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string BytesOf(const QString& now, const QVariant& kept) {
    if (!kept.isValid()) return TypedBytes(now);
    const QByteArray bytes = kept.toByteArray();
    return EditedBytes(now, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

namespace {
const char* const BytesProperty = "kxBytes";
}

void KeepBytes(QObject* widget, std::string_view bytes) { widget->setProperty(BytesProperty, KeptBytes(bytes)); }

std::string WidgetBytes(const QObject* widget, const QString& now) { return BytesOf(now, widget->property(BytesProperty)); }

QString WholeTextTip(const QString& text) {
    constexpr int LineLength = 64, MaxLines = 24;
    if (text.size() <= LineLength || text.contains('\n')) return text;
    QStringList lines;
    for (qsizetype at = 0; at < text.size() && lines.size() < MaxLines; at += LineLength)
        lines.append(text.mid(at, LineLength));
    if (text.size() > qsizetype(LineLength) * MaxLines) lines.back() += QChar(0x2026);
    return lines.join('\n');
}
