#include "keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>
#include <map>

namespace {

constexpr qint64 maxFileBytes = 1024 * 1024;

QString keyFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Tablewright.keys");
}

// Every key by its full path; a key without a value maps to null.
using KeyTree = QJsonObject;

bool load(KeyTree& tree)
{
    const QFileInfo info(keyFilePath());
    if (!info.exists()) {
        tree = {};
        return true;
    }
    QFile file(info.filePath());
    if (!info.isFile() || info.size() > maxFileBytes || !file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(maxFileBytes));
    if (!doc.isObject())
        return false;
    tree = doc.object();
    return true;
}

bool save(const KeyTree& tree)
{
    const QString path = keyFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(tree).toJson();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::map<KeyHandle, QString>& handles()
{
    static std::map<KeyHandle, QString> open{{KEY_USER_ROOT, QString()}};
    return open;
}

// The full path of `subkey` below the open key `parent`.
int resolve(KeyHandle parent, const char* subkey, QString& path)
{
    const auto it = handles().find(parent);
    if (it == handles().end())
        return KEY_BAD_HANDLE;
    path = it->second;
    const QString below = QString::fromUtf8(subkey ? subkey : "");
    if (below.isEmpty())
        return KEY_OK;
    for (const QString& name : below.split(u'/')) {
        if (name.isEmpty() || name.contains(QChar(0)))
            return KEY_BAD_NAME;
        path += path.isEmpty() ? name : u'/' + name;
    }
    return KEY_OK;
}

// How every call begins: the key's full path, and the tree loaded.
struct Lookup {
    int result = KEY_OK;
    QString path;
    KeyTree tree;
};

Lookup lookUp(KeyHandle parent, const char* subkey)
{
    Lookup found;
    found.result = resolve(parent, subkey, found.path);
    if (found.result == KEY_OK && !load(found.tree))
        found.result = KEY_FILE_ERROR;
    return found;
}

bool hasSubkeys(const KeyTree& tree, const QString& path)
{
    const QString prefix = path + u'/';
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        if (it.key().startsWith(prefix))
            return true;
    }
    return false;
}

// Makes `path` and the keys above it; true when something was added.
bool make(KeyTree& tree, const QString& path)
{
    bool added = false;
    QString at;
    for (const QString& name : path.split(u'/', Qt::SkipEmptyParts)) {
        at += at.isEmpty() ? name : u'/' + name;
        if (!tree.contains(at)) {
            tree.insert(at, QJsonValue::Null);
            added = true;
        }
    }
    return added;
}

KeyHandle newHandle(const QString& path)
{
    static KeyHandle next = 16;
    handles()[next] = path;
    return next++;
}

} // namespace

extern "C" {

Q_DECL_EXPORT int KeyOpen(KeyHandle parent, const char* subkey, KeyHandle* result)
{
    auto [status, path, tree] = lookUp(parent, subkey);
    if (status != KEY_OK)
        return status;
    if (!result)
        return KEY_BAD_NAME;
    if (!path.isEmpty() && !tree.contains(path))
        return KEY_NOT_FOUND;
    *result = newHandle(path);
    return KEY_OK;
}

Q_DECL_EXPORT int KeyCreate(KeyHandle parent, const char* subkey, KeyHandle* result)
{
    auto [status, path, tree] = lookUp(parent, subkey);
    if (status != KEY_OK)
        return status;
    if (!result)
        return KEY_BAD_NAME;
    if (make(tree, path) && !save(tree))
        return KEY_FILE_ERROR;
    *result = newHandle(path);
    return KEY_OK;
}

Q_DECL_EXPORT int KeyDelete(KeyHandle parent, const char* subkey)
{
    auto [status, path, tree] = lookUp(parent, subkey);
    if (status != KEY_OK)
        return status;
    if (path.isEmpty() || !subkey || !*subkey)
        return KEY_BAD_NAME;
    if (!tree.contains(path))
        return KEY_NOT_FOUND;
    if (hasSubkeys(tree, path))
        return KEY_HAS_SUBKEYS;
    tree.remove(path);
    return save(tree) ? KEY_OK : KEY_FILE_ERROR;
}

Q_DECL_EXPORT int KeyClose(KeyHandle key)
{
    if (key == KEY_USER_ROOT)
        return KEY_OK;
    return handles().erase(key) == 1 ? KEY_OK : KEY_BAD_HANDLE;
}

Q_DECL_EXPORT int KeyQueryValue(KeyHandle key, const char* subkey, char* buffer, long* size)
{
    auto [status, path, tree] = lookUp(key, subkey);
    if (status != KEY_OK)
        return status;
    if (!size)
        return KEY_BAD_NAME;
    if (!path.isEmpty() && !tree.contains(path))
        return KEY_NOT_FOUND;
    const QByteArray value = tree.value(path).toString().toUtf8();
    const long needed = long(value.size()) + 1;
    const long room = *size;
    *size = needed;
    if (!buffer || room < needed)
        return KEY_MORE_DATA;
    std::memcpy(buffer, value.constData(), size_t(needed));
    return KEY_OK;
}

Q_DECL_EXPORT int KeySetValue(KeyHandle key, const char* subkey, const char* value)
{
    auto [status, path, tree] = lookUp(key, subkey);
    if (status != KEY_OK)
        return status;
    if (path.isEmpty() || !value)
        return KEY_BAD_NAME;
    make(tree, path);
    tree.insert(path, QString::fromUtf8(value));
    return save(tree) ? KEY_OK : KEY_FILE_ERROR;
}

} // extern "C"
