#include "quenbydoc.h"

#include <QFileInfo>
#include <QSaveFile>

namespace quenby {

CQuenbyDoc::CQuenbyDoc() : table_(std::make_unique<TableState>()), title_(tr(DefaultTitle)) {}

CQuenbyDoc::~CQuenbyDoc() = default;

void CQuenbyDoc::SetTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    emit TitleChanged(title_);
}

void CQuenbyDoc::OnNewDocument()
{
    SetTitle(tr(DefaultTitle));
}

bool CQuenbyDoc::OnOpenDocument(const QString& filePath)
{
    const QFileInfo file(filePath);
    if (!file.isFile() || !file.isReadable())
        return false;
    SetTitle(file.fileName());
    return true;
}

bool CQuenbyDoc::OnSaveDocument(const QString& filePath)
{
    // An empty document is an empty file; replaced whole or not at all.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || !file.commit())
        return false;
    SetTitle(QFileInfo(filePath).fileName());
    return true;
}

} // namespace quenby
