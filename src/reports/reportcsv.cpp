#include "reports/reportcsv.h"

#include "reports/collectionhealth.h"

#include <QSaveFile>

namespace klangtruhe {

namespace {

QString csvField(QString field)
{
    const bool quote = field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) || field != field.trimmed();
    if (!quote)
        return field;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

void appendLine(QByteArray &out, const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted << csvField(field);
    out += quoted.join(QLatin1Char(';')).toUtf8();
    out += "\r\n";
}

} // namespace

QByteArray csvBytes(const QStringList &header, const std::vector<QStringList> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    appendLine(out, header);
    for (const QStringList &row : rows)
        appendLine(out, row);
    return out;
}

QByteArray healthReportCsv(const HealthReport &report)
{
    std::vector<QStringList> rows;
    rows.reserve(report.findings.size());
    for (const HealthFinding &finding : report.findings)
        rows.push_back({healthKindCaption(finding.kind), finding.band, finding.title, finding.detail});
    return csvBytes({QStringLiteral("Befund"), QStringLiteral("Band"), QStringLiteral("Titel"),
                     QStringLiteral("Ordner oder Datei")},
                    rows);
}

bool writeReportFile(const QString &path, const QByteArray &bytes, QString &reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reason = QStringLiteral("Die Datei konnte nicht geschrieben werden:\r\n%1\r\n\r\n%2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace klangtruhe
