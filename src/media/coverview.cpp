// The cover area of CoverComponent: stored picture, external covers and the enlarged view.
#include "media/covercomponent.h"

#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "catalogue/pathparts.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "media/coverrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QTableView>

namespace klangtruhe {

namespace {

// The enlarged view reads pictures at most this large (pixels per side).
constexpr int kEnlargedBound = 2048;

} // namespace

void CoverComponent::showEntryCover()
{
    m_cboBildpfad->setEditText(QString());
    if (m_chkBildpfad->isChecked()) {
        ExterneCoverListe();
        if (m_cboBildpfad->count() == 0) {
            m_chkBildpfad->setChecked(false);
            chkBildpfad_Click();
        }
    } else {
        m_imgBildpfad->clear();
        m_external = QImage();
        ExterneCoverListe();
    }
    if (!m_chkBildpfad->isChecked() && storedPictureEmpty()) {
        m_chkBildpfad->setChecked(true);
        chkBildpfad_Click();
    }
    if (m_picCoverGreat->isVisible())
        showEnlarged(m_imgBildpfad);
}

void CoverComponent::ExterneCoverListe()
{
    m_cboBildpfad->clear();
    m_imgBildpfad->clear();
    m_external = QImage();
    m_chkBildpfad->setText(QStringLiteral("kein externes Bild"));
    const QString bildPfad = m_catalogue.data().fieldValue(QStringLiteral("BildPfad")).trimmed();
    if (bildPfad.isEmpty())
        return;
    const QStringList found = existingListedFiles(bildPfad, fromDatabaseFolder(), currentCoverFolder(), m_program.pathMap);
    m_cboBildpfad->addItems(found);
    if (!found.isEmpty()) {
        showExternal(found.first());
        m_cboBildpfad->setEditText(found.first());
    }
    m_chkBildpfad->setText(externalCoverCaption(static_cast<int>(found.size())));
}

void CoverComponent::showExternal(const QString &path)
{
    m_external = loadPicture(path, QSize(kEnlargedBound, kEnlargedBound));
    if (m_external.isNull()) {
        m_imgBildpfad->clear();
        return;
    }
    m_imgBildpfad->setPixmap(QPixmap::fromImage(m_external));
}

void CoverComponent::cboBildpfad_Choose(int index)
{
    if (index < 0 || index >= m_cboBildpfad->count())
        return;
    const QString chosen = m_cboBildpfad->itemText(index);
    const QString path = fromDatabaseFolder() ? pathInFolder(currentCoverFolder(), FileNamePart(chosen)) : chosen;
    if (QFileInfo(path).isFile()) {
        showExternal(path);
        return;
    }
    MsgLumo(m_program, &m_window, QStringLiteral("Bild nicht gefunden\r\n\r\n") + chosen, 3, 0,
            QStringLiteral("Bild laden und anzeigen"), 1, 0xC0E0FF);
}

void CoverComponent::setCoverAreaTicked(bool ticked)
{
    m_cboBildpfad->setVisible(ticked);
    m_imgBildpfad->setVisible(ticked);
    if (m_bild1)
        m_bild1->setVisible(!ticked);
}

void CoverComponent::chkBildpfad_Click()
{
    const bool ticked = m_chkBildpfad->isChecked();
    setCoverAreaTicked(ticked);
    if (ticked)
        ExterneCoverListe();
    if (m_window.isVisible())
        m_catalogue.grid()->setFocus();
}

bool CoverComponent::storedPictureEmpty() const
{
    return !m_bild1 || m_bild1->pixmap().isNull();
}

QImage CoverComponent::storedPicture()
{
    Data1 &data = m_catalogue.data();
    const int column = data.fieldIndex(QStringLiteral("Bilder"));
    if (column < 0 || data.absolutePosition() < 0)
        return {};
    const QByteArray bytes = data.value(data.absolutePosition(), column).toByteArray();
    QImage image;
    if (!bytes.isEmpty())
        image.loadFromData(bytes);
    return image;
}

void CoverComponent::showEnlarged(QLabel *picture)
{
    const QImage image = picture == m_bild1 ? storedPicture() : m_external;
    if (image.isNull())
        m_picCoverGreat->clear();
    else
        m_picCoverGreat->setPixmap(QPixmap::fromImage(image));
    const QWidget *area = m_window.centralWidget();
    const QRect shown = picture->geometry();
    const QRectF place = enlargedViewRect(
        QRectF(pixelsToTwipsX(shown.left()), pixelsToTwipsY(shown.top()), pixelsToTwipsX(shown.width()),
               pixelsToTwipsY(shown.height())),
        QSizeF(pixelsToTwipsX(area->width()), pixelsToTwipsY(area->height())));
    m_picCoverGreat->setGeometry(twipsRect(place.left(), place.top(), place.width(), place.height()));
    m_picCoverGreat->show();
    m_picCoverGreat->raise();
}

void CoverComponent::hideEnlarged()
{
    m_picCoverGreat->hide();
    m_picCoverGreat->clear();
}

} // namespace klangtruhe
