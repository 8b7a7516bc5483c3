#pragma once
// Variants of the default stack description for the shutdown tests.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>

#include "simstack/SimStackProcess.h"

// The default stack description, each entry of its array `key` ("tables",
// "units") passed through `change`; empty when the description cannot be read.
template <class Change>
std::string DefaultStackWithEach(const char* key, Change change) {
    QFile file(QString::fromStdString(SimStackProcess::DefaultDescriptionPath()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QJsonObject stack = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray entries = stack[key].toArray();
    for (qsizetype k = 0; k < entries.size(); ++k) {
        QJsonObject entry = entries[k].toObject();
        change(entry);
        entries[k] = entry;
    }
    stack[key] = entries;
    return QJsonDocument(stack).toJson().toStdString();
}

// The default stack with one of its tables grown to `rows` rows: copies of
// its first row, each under an index of its own in column 1 (a number after
// the seeded ones, or a name).
inline std::string DefaultStackWithRows(const std::string& entry, int rows) {
    return DefaultStackWithEach("tables", [&](QJsonObject& table) {
        if (table["entry"].toString().toStdString() != entry) return;
        QJsonArray seeded = table["rows"].toArray();
        QJsonObject row = seeded[0].toObject();
        QJsonObject values = row["values"].toObject();
        const bool named = values["1"].isString();
        for (int k = static_cast<int>(seeded.size()) + 1; k <= rows; ++k) {
            values["1"] = named ? QJsonValue(QString("row-%1").arg(k, 2, 10, QChar('0'))) : QJsonValue(k);
            row["values"] = values;
            seeded.append(row);
        }
        table["rows"] = seeded;
    });
}

// The default stack with every unit slot empty: no front panel, so nothing
// polls LEDs and every request sent is a window's own.
inline std::string DefaultStackWithoutUnits() {
    return DefaultStackWithEach("units", [](QJsonObject& unit) { unit["status"] = "not-exist"; });
}
