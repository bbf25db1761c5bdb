#include "app/clibatch.h"

#include "app/calculation.h"
#include "app/clivalues.h"
#include "points/controller.h"

#include <QByteArrayList>
#include <QHash>
#include <QIODevice>

#include <optional>

namespace {

constexpr int kColumns = 6;

// The fields of one CSV line: separated by ",", a field in double quotes may hold "," and "" for a
// quote. Fields are trimmed of blanks outside the quotes. Nothing when a quote is not closed.
std::optional<QList<QString>> splitCsv(const QByteArray &line)
{
    QList<QString> fields;
    QByteArray field;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        field.clear();
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i < n && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= n)
                    return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < n && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i < n && line[i] != ',')
                return std::nullopt;
            fields << QString::fromUtf8(field);
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != ',')
                ++i;
            fields << QString::fromUtf8(line.mid(start, i - start)).trimmed();
        }
        if (i >= n)
            break;
        ++i; // the ","
    }
    return fields;
}

// The line without its line end.
QByteArray chomp(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

class Batch
{
public:
    Batch(const QString &sourceName, QIODevice &out, QIODevice &err) : m_source(sourceName), m_out(out), m_err(err) {}

    int run(QIODevice &in);

private:
    // The result text of one row, or nothing with the reason in *reason.
    std::optional<QByteArray> calculate(const QList<QString> &fields, QString *reason);
    IBSSwPoints *table(int32_t id);
    void warn(qint64 lineNumber, const QString &reason);
    void write(const QByteArray &bytes);
    void flush();

    QString m_source;
    QIODevice &m_out;
    QIODevice &m_err;
    bool m_pointsMode = false;
    QHash<int32_t, BSRef<IBSSwPoints>> m_tables; // null for IDs without a table
    QByteArray m_buffer;
};

int Batch::run(QIODevice &in)
{
    qint64 lineNumber = 0;
    QByteArray header;
    while (!in.atEnd() && header.isEmpty()) {
        header = chomp(in.readLine());
        ++lineNumber;
        if (lineNumber == 1 && header.startsWith("\xEF\xBB\xBF"))
            header.remove(0, 3);
        if (header.trimmed().isEmpty())
            header.clear();
    }
    const auto names = splitCsv(header);
    QStringList lowered;
    if (names)
        for (const QString &name : *names)
            lowered << name.toLower();
    const QStringList common = {QStringLiteral("table"), QStringLiteral("event"), QStringLiteral("pool"),
                                QStringLiteral("gender"), QStringLiteral("age")};
    if (lowered == common + QStringList{QStringLiteral("time")})
        m_pointsMode = false;
    else if (lowered == common + QStringList{QStringLiteral("points")})
        m_pointsMode = true;
    else {
        const QString where = header.isEmpty() ? QStringLiteral("no header line")
                                               : QStringLiteral("line %1: the header is not").arg(lineNumber);
        m_err.write(QStringLiteral("mirevo batch: %1: %2 \"table,event,pool,gender,age,time\" or "
                                   "\"table,event,pool,gender,age,points\"\n")
                        .arg(m_source, where)
                        .toUtf8());
        return 2;
    }
    write(header + (m_pointsMode ? ",time\n" : ",points\n"));

    bool failed = false;
    while (!in.atEnd()) {
        const QByteArray line = chomp(in.readLine());
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        QString reason;
        std::optional<QByteArray> result;
        if (const auto fields = splitCsv(line))
            result = calculate(*fields, &reason);
        else
            reason = QStringLiteral("a quoted field is not closed");
        if (!result) {
            failed = true;
            warn(lineNumber, reason);
        }
        write(line + ',' + result.value_or(QByteArray()) + '\n');
    }
    flush();
    return failed ? 1 : 0;
}

std::optional<QByteArray> Batch::calculate(const QList<QString> &fields, QString *reason)
{
    if (fields.size() != kColumns) {
        *reason = QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(kColumns);
        return std::nullopt;
    }
    const auto id = ReadTableIdArg(fields[0]);
    IBSSwPoints *points = id ? table(*id) : nullptr;
    if (!points) {
        *reason = QStringLiteral("unknown table '%1'").arg(fields[0]);
        return std::nullopt;
    }
    TCalcInput input;
    const auto event = ReadEventArg(fields[1]);
    if (!event) {
        *reason = QStringLiteral("unknown event '%1'").arg(fields[1]);
        return std::nullopt;
    }
    input.eventRow = *event;
    const auto pool = ReadPoolArg(fields[2]);
    if (!pool) {
        *reason = QStringLiteral("unknown pool '%1'").arg(fields[2]);
        return std::nullopt;
    }
    input.poolRow = *pool;
    const auto gender = ReadGenderArg(fields[3]);
    if (!gender) {
        *reason = QStringLiteral("unknown gender '%1'").arg(fields[3]);
        return std::nullopt;
    }
    input.gender = *gender;
    const auto age = fields[4].isEmpty() ? std::optional<int32_t>(99) : ReadAgeArg(fields[4]);
    if (!age) {
        *reason = QStringLiteral("age '%1' is not a whole number from 1 to 99").arg(fields[4]);
        return std::nullopt;
    }
    input.age = *age;
    input.pointsMode = m_pointsMode;
    if (m_pointsMode) {
        const auto value = ReadPointsArg(fields[5]);
        if (!value) {
            *reason = QStringLiteral("points '%1' are not a whole number, 0 or more").arg(fields[5]);
            return std::nullopt;
        }
        input.points = *value;
    } else {
        const auto chron = ReadTypedTime(fields[5]);
        if (!chron) {
            *reason = QStringLiteral("time '%1' is not a swim time such as 50.00 or 1:02.37").arg(fields[5]);
            return std::nullopt;
        }
        input.chron = *chron;
    }
    const TCalcOutput output = Calculate(*points, input);
    if (m_pointsMode)
        return ChronToStr(output.chron, false).trimmed().toUtf8();
    return QByteArray::number(output.points);
}

IBSSwPoints *Batch::table(int32_t id)
{
    auto found = m_tables.find(id);
    if (found == m_tables.end())
        found = m_tables.insert(id, Controller().FindClass(id) ? Controller().GetPointTable(id) : nullptr);
    return found->get();
}

void Batch::warn(qint64 lineNumber, const QString &reason)
{
    m_err.write(QStringLiteral("mirevo batch: %1: line %2: %3\n").arg(m_source).arg(lineNumber).arg(reason).toUtf8());
}

void Batch::write(const QByteArray &bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() >= 1 << 16)
        flush();
}

void Batch::flush()
{
    m_out.write(m_buffer);
    m_buffer.clear();
}

} // namespace

int RunBatch(QIODevice &in, const QString &sourceName, QIODevice &out, QIODevice &err)
{
    return Batch(sourceName, out, err).run(in);
}
