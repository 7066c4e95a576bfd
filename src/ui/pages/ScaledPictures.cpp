#include "ScaledPictures.h"

#include <QEvent>
#include <QLabel>
#include <QList>
#include <QWidget>

namespace
{
struct Picture {
    QString sPath;
    QSize size;
    qreal dPixelRatio = 1;
    QPixmap pixmap;
};

// Most recently asked for first.
QList<Picture>& pictures()
{
    static QList<Picture> lst;
    return lst;
}

// A copy whose data only the list still holds is shown by no label.
bool isUnused(const Picture& picture)
{
    return picture.pixmap.isDetached();
}

qint64 bytesOf(const Picture& picture)
{
    return qint64(picture.pixmap.width()) * picture.pixmap.height() * picture.pixmap.depth() / 8;
}

// The least recently asked for go first.
void dropUnusedOverBudget()
{
    QList<Picture>& lst = pictures();
    qint64 nUnused = ScaledPictures::unusedBytes();
    for (int i = lst.size() - 1; i >= 0 && nUnused > ScaledPictures::UNUSED_BUDGET; --i) {
        if (!isUnused(lst.at(i)))
            continue;
        nUnused -= bytesOf(lst.at(i));
        lst.removeAt(i);
    }
}

// Keeps one label on the shared copy: set when the label is shown (a page never shown makes no copy) and
// when it is resized. Until then the label shows nothing, so it holds no picture of its own either.
class SharedLabelPicture : public QObject
{
public:
    SharedLabelPicture(QLabel* pLabel, const QString& sPath)
        : QObject(pLabel), m_pLabel(pLabel), m_sPath(sPath)
    {
        pLabel->setScaledContents(false);
        pLabel->setPixmap(QPixmap());
        pLabel->installEventFilter(this);
        apply();
    }
    // The label has let go of its copy by now (a child goes after its parent's own destructor).
    ~SharedLabelPicture() override { dropUnusedOverBudget(); }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pWatched == m_pLabel && (pEvent->type() == QEvent::Show || pEvent->type() == QEvent::Resize))
            apply();
        return false;
    }

private:
    void apply()
    {
        if (!m_pLabel->isVisible())
            return;
        const int nMargin = m_pLabel->margin();
        const QRect area = m_pLabel->contentsRect().adjusted(nMargin, nMargin, -nMargin, -nMargin);
        if (area.isEmpty())
            return;
        const qreal dRatio = m_pLabel->devicePixelRatioF();
        m_pLabel->setPixmap(ScaledPictures::scaled(m_sPath, area.size() * dRatio, dRatio));
    }

    QLabel* m_pLabel;
    QString m_sPath;
};
} // namespace

void ScaledPictures::shareLabels(QWidget* pRoot, const QString& sPath)
{
    // The form has just loaded the picture, so the pixmap cache gives the very same data.
    const qint64 nSourceKey = QPixmap(sPath).cacheKey();
    for (QLabel* pLabel : pRoot->findChildren<QLabel*>()) {
        if (pLabel->hasScaledContents() && pLabel->pixmap(Qt::ReturnByValue).cacheKey() == nSourceKey)
            new SharedLabelPicture(pLabel, sPath);
    }
}

QPixmap ScaledPictures::scaled(const QString& sPath, const QSize& size, qreal dPixelRatio)
{
    QList<Picture>& lst = pictures();
    for (int i = 0; i < lst.size(); ++i) {
        if (lst.at(i).sPath == sPath && lst.at(i).size == size &&
            qFuzzyCompare(lst.at(i).dPixelRatio, dPixelRatio)) {
            lst.move(i, 0);
            return lst.first().pixmap;
        }
    }
    Picture picture;
    picture.sPath = sPath;
    picture.size = size;
    picture.dPixelRatio = dPixelRatio;
    // As a label scales its picture, so the pages look the same.
    picture.pixmap = QPixmap::fromImage(
        QPixmap(sPath).toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture.pixmap.setDevicePixelRatio(dPixelRatio);
    lst.prepend(picture);
    dropUnusedOverBudget();
    return picture.pixmap;
}

int ScaledPictures::keptCount()
{
    return pictures().size();
}

qint64 ScaledPictures::unusedBytes()
{
    qint64 nBytes = 0;
    for (const Picture& picture : qAsConst(pictures()))
        nBytes += isUnused(picture) ? bytesOf(picture) : 0;
    return nBytes;
}
