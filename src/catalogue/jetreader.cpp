#include "catalogue/jetreader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <utility>
#include <vector>

// mdbtools.h includes <glib.h> inside extern "C"; glib must come first.
#include <glib.h>
#include <mdbtools.h>

namespace klangtruhe {
namespace {

// Big enough for a memo of several hundred thousand characters in UTF-8.
constexpr size_t kBindSize = 2 * 1024 * 1024;

class MdbTableReader final : public JetTableReader {
public:
    MdbTableReader(MdbHandle *mdb, MdbTableDef *table)
        : m_mdb(mdb)
        , m_table(table)
    {
        const int count = int(table->num_cols);
        m_buffers.resize(size_t(count));
        m_lengths.assign(size_t(count), 0);
        for (int i = 0; i < count; ++i) {
            auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
            m_names << QString::fromUtf8(column->name);
            m_buffers[size_t(i)].resize(kBindSize);
            mdb_bind_column(table, i + 1, m_buffers[size_t(i)].data(), &m_lengths[size_t(i)]);
        }
        mdb_rewind_table(table);
    }
    ~MdbTableReader() override
    {
        mdb_free_tabledef(m_table);
        mdb_close(m_mdb);
    }

    QStringList columnNames() const override { return m_names; }
    bool isBinaryColumn(int column) const override
    {
        const int type = mdbColumn(column)->col_type;
        return type == MDB_OLE || type == MDB_BINARY;
    }
    qint64 storedRowCount() const override { return qint64(m_table->num_rows); }
    bool nextRow() override { return mdb_fetch_row(m_table) != 0; }
    QByteArray value(int column) const override
    {
        MdbColumn *col = mdbColumn(column);
        if (col->col_type == MDB_OLE) {
            if (m_lengths[size_t(column)] <= 0)
                return {};
            size_t size = 0;
            void *data = mdb_ole_read_full(m_mdb, col, &size);
            QByteArray bytes(static_cast<const char *>(data), qsizetype(size));
            free(data);
            return bytes;
        }
        const int length = m_lengths[size_t(column)];
        if (length <= 0)
            return {};
        return QByteArray(m_buffers[size_t(column)].data(), length);
    }

private:
    MdbColumn *mdbColumn(int column) const
    {
        return static_cast<MdbColumn *>(g_ptr_array_index(m_table->columns, column));
    }
    MdbHandle *m_mdb;
    MdbTableDef *m_table;
    QStringList m_names;
    std::vector<std::vector<char>> m_buffers;
    std::vector<int> m_lengths;
};

// The header page is RC4-coded from byte 0x18 on with a key every Jet file
// shares; decoded, it holds the database password at 0x42 (Jet 3: 20 bytes;
// Jet 4: 40 bytes, masked with the creation date at 0x72). All zero: none.
bool hasDatabasePassword(const QByteArray &page, bool jet3)
{
    const unsigned char key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    unsigned char state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % 4]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    QByteArray header = page.mid(0x18, 128);
    for (int n = 0, i = 0, j = 0; n < header.size(); ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        header[n] = char(header[n] ^ state[(state[i] + state[j]) & 0xFF]);
    }
    QByteArray password = header.mid(0x42 - 0x18, jet3 ? 20 : 40);
    if (!jet3) {
        double created = 0;
        std::memcpy(&created, header.constData() + (0x72 - 0x18), sizeof created);
        const qint32 mask = qToLittleEndian(qint32(created));
        const char *maskBytes = reinterpret_cast<const char *>(&mask);
        for (qsizetype i = 0; i < password.size(); ++i)
            password[i] = char(password[i] ^ maskBytes[i % 4]);
    }
    return password.count('\0') != password.size();
}

} // namespace

std::unique_ptr<JetTableReader> openJetTable(const QString &path, const QString &table, QString &error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Die Datei '%1' kann nicht gelesen werden.").arg(name);
        return nullptr;
    }
    const QByteArray head = file.read(4096);
    file.close();
    if (head.mid(4, 15) == "Standard ACE DB") {
        error = QStringLiteral("'%1' ist eine Access-2007-Datenbank (ACE); nur Access-97- bis -2003-Dateien können eingelesen werden.").arg(name);
        return nullptr;
    }
    if (head.size() < 4096 || head.mid(4, 15) != "Standard Jet DB") {
        error = QStringLiteral("'%1' ist keine lesbare Access-Datenbank (leer oder beschädigt).").arg(name);
        return nullptr;
    }
    // A Jet file is whole pages (2 KB for Jet 3, 4 KB for Jet 4); anything
    // else was cut off, and the library would read the rest as garbage.
    const qint64 pageSize = head.at(0x14) == 0 ? 2048 : 4096;
    if (QFileInfo(path).size() % pageSize != 0) {
        error = QStringLiteral("'%1' ist beschädigt (unvollständig); die Access-Datenbank kann nicht eingelesen werden.").arg(name);
        return nullptr;
    }
    if (hasDatabasePassword(head, pageSize == 2048)) {
        error = QStringLiteral("'%1' ist mit einem Kennwort geschützt. Bitte das Kennwort in Access entfernen "
                               "und die Datei dann erneut laden.").arg(name);
        return nullptr;
    }
    // Jet 3 text is stored in the Windows code page; the library converts on open.
    qputenv("MDB_JET3_CHARSET", "CP1252");
    qputenv("MDBICONV", "UTF-8");
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb || !mdb_read_catalog(mdb, MDB_TABLE)) {
        if (mdb)
            mdb_close(mdb);
        error = QStringLiteral("'%1' ist keine lesbare Access-Datenbank (beschädigt).").arg(name);
        return nullptr;
    }
    mdb_set_bind_size(mdb, kBindSize);
    QByteArray tableName = table.toUtf8();
    MdbTableDef *tableDef = mdb_read_table_by_name(mdb, tableName.data(), MDB_TABLE);
    if (!tableDef || !mdb_read_columns(tableDef)) {
        if (tableDef)
            mdb_free_tabledef(tableDef);
        mdb_close(mdb);
        error = QStringLiteral("Die Tabelle '%1' wurde in '%2' nicht gefunden.").arg(table, name);
        return nullptr;
    }
    return std::make_unique<MdbTableReader>(mdb, tableDef);
}

} // namespace klangtruhe
