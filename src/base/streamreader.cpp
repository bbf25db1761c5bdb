#include "base/streams.h"

#include "base/assertion.h"
#include "base/boxed.h"
#include "base/converterror.h"
#include "base/integermaps.h"
#include "base/lookupitems.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "base/textcodec.h"

#include <QBuffer>
#include <QFile>
#include <QHash>

#include <bit>
#include <cstring>

EBSStreamError::EBSStreamError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

TBSStreamReader::TBSStreamReader(std::unique_ptr<QIODevice> device)
    : m_device(std::move(device))
{
}

TBSStreamReader::~TBSStreamReader() = default;

int64_t TBSStreamReader::Position() const
{
    return m_device->pos();
}

void TBSStreamReader::SetPosition(int64_t position)
{
    if (!m_device->seek(position))
        throw EBSStreamError(QStringLiteral("Stream seek error"));
}

bool TBSStreamReader::readByte(unsigned char &byte)
{
    char c;
    if (!m_device->getChar(&c))
        return false;
    byte = static_cast<unsigned char>(c);
    return true;
}

QByteArray TBSStreamReader::readUpTo(int64_t count)
{
    if (count <= 0)
        return {};
    return m_device->read(count);
}

QByteArray TBSStreamReader::readRest()
{
    return m_device->readAll();
}

QString TBSStreamReader::ReadAll()
{
    SetPosition(0);
    return BSDecodeText(readRest());
}

QByteArray TBSStreamReader::ReadBuffer(int64_t count)
{
    if (count < 0)
        throw EBSStreamError(QStringLiteral("Stream read error"));
    const int64_t available = m_device->size() - m_device->pos();
    if (count > available)
        throw EBSStreamError(QStringLiteral("Stream read error"));
    QByteArray bytes = readUpTo(count);
    if (bytes.size() != count)
        throw EBSStreamError(QStringLiteral("Stream read error"));
    return bytes;
}

bool TBSStreamReader::HasMore() const
{
    return m_device->pos() < m_device->size();
}

QByteArray TBSStreamReader::ReadLineBytes()
{
    QByteArray line;
    unsigned char byte;
    while (readByte(byte)) {
        if (byte == '\r' || byte == '\n') {
            unsigned char following;
            if (readByte(following) && following != '\r' && following != '\n')
                m_device->ungetChar(char(following));
            break;
        }
        line += char(byte);
    }
    return line;
}

QString TBSStreamReader::ReadLine()
{
    return BSDecodeText(ReadLineBytes());
}

int TBSStreamReader::LineCount()
{
    const int64_t saved = Position();
    int count = 0;
    try {
        SetPosition(0);
        while (HasMore()) {
            ReadLineBytes();
            ++count;
        }
    } catch (...) {
        SetPosition(saved);
        throw;
    }
    SetPosition(saved);
    return count;
}

QString TBSStreamReader::ReadWideChar()
{
    const QByteArray unit = readUpTo(2);
    if (unit.isEmpty())
        return {};
    if (unit.size() == 1)
        return QString(QChar(char16_t(static_cast<unsigned char>(unit[0]))));
    const unsigned char low = static_cast<unsigned char>(unit[0]);
    const unsigned char high = static_cast<unsigned char>(unit[1]);
    if (high != 0)
        return QStringLiteral("&#%1;").arg(unsigned(high) << 8 | low);
    if (low == '\r' || low == '\n') {
        const QByteArray following = readUpTo(2);
        const bool pair = following.size() == 2 && following[1] == 0 && (following[0] == '\r' || following[0] == '\n');
        if (!pair && !following.isEmpty())
            SetPosition(Position() - following.size());
    }
    return QString(QChar(char16_t(low)));
}

QString TBSStreamReader::ReadWideLine()
{
    QString line;
    for (;;) {
        const QString piece = ReadWideChar();
        if (piece.isEmpty() || piece == QLatin1String("\n") || piece == QLatin1String("\r"))
            return line;
        line += piece;
    }
}

double TBSStreamReader::ReadDouble()
{
    QByteArray bytes = readUpTo(8);
    bytes.append(8 - bytes.size(), '\0');
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | static_cast<unsigned char>(bytes[i]);
    return std::bit_cast<double>(bits);
}

double TBSStreamReader::ReadDoubleBE()
{
    return NewFloat(readUpTo(8), 1)->Value();
}

int64_t TBSStreamReader::ReadInteger(int typeCode)
{
    return NewInteger(readUpTo(BSIntegerTypeSize(typeCode)), typeCode, false)->Value();
}

int64_t TBSStreamReader::ReadIntegerBE(int typeCode)
{
    const int size = BSIntegerTypeSize(typeCode);
    QByteArray bytes = readUpTo(size);
    // Missing bytes are the least significant ones of a big-endian number.
    bytes.append(size - bytes.size(), '\0');
    return NewInteger(bytes, typeCode, true)->Value();
}

int64_t TBSStreamReader::ReadPackedInteger()
{
    unsigned char byte;
    if (!readByte(byte))
        return 0;
    const bool negative = byte & 0x40;
    int64_t magnitude = byte & 0x3F;
    int shift = 6;
    for (int extra = 0; (byte & 0x80) && extra < 4; ++extra) {
        BSAssert(readByte(byte), QStringLiteral("Stream read error!"));
        magnitude |= int64_t(byte & 0x7F) << shift;
        shift += 7;
    }
    return negative ? -magnitude : magnitude;
}

BSRef<IBSStringList> TBSStreamReader::ReadLines()
{
    return NewStringListFromText(BSDecodeText(readRest()));
}

std::vector<TBSStreamReader::Pair> TBSStreamReader::readPairs()
{
    const QStringList lines = BSSplitLines(BSDecodeText(readRest()));
    std::vector<Pair> pairs;
    pairs.reserve(size_t(lines.size()));
    QHash<QString, QString> first; // case-folded name -> value of its first line
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        Pair pair;
        pair.name = eq < 0 ? line : line.left(eq);
        pair.value = eq < 0 ? QString() : line.mid(eq + 1);
        pair.blank = line.trimmed().isEmpty();
        const QString folded = pair.name.toCaseFolded();
        const auto known = first.constFind(folded);
        if (known == first.constEnd())
            first.insert(folded, pair.value);
        else
            pair.value = *known;
        pairs.push_back(pair);
    }
    return pairs;
}

BSRef<IBSIntegerMap> TBSStreamReader::ReadIntegerMap()
{
    auto map = NewIntegerMap();
    for (const Pair &pair : readPairs())
        if (!pair.blank)
            map->Put(BSStrToIntDef(pair.name, 0), BSStrToIntDef(pair.value, 0));
    return map;
}

BSRef<IBSLookupItems> TBSStreamReader::ReadLookupItems()
{
    auto items = NewLookupItems();
    for (const Pair &pair : readPairs())
        items->SetTextOf(BSStrToIntDef(pair.name, 0), pair.value);
    return items;
}

BSRef<IBSStringMap> TBSStreamReader::ReadStringMap()
{
    auto map = NewStringMap();
    for (const Pair &pair : readPairs())
        if (!pair.blank)
            map->Put(pair.name, pair.value);
    return map;
}

BSRef<IBSStreamReader> NewFileReader(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw EBSStreamError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString()));
    return BSNew<TBSStreamReader>(std::move(file));
}

BSRef<IBSStreamReader> NewResourceReader(const QString &name)
{
    const QString path = name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/") + name;
    auto file = std::make_unique<QFile>(path);
    if (name.isEmpty() || !file->open(QIODevice::ReadOnly))
        throw EBSStreamError(QStringLiteral("Resource %1 not found").arg(name));
    return BSNew<TBSStreamReader>(std::move(file));
}

BSRef<IBSStreamReader> NewMemoryReader(const QByteArray &bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return BSNew<TBSStreamReader>(std::move(buffer));
}
