#include "CFrameFixture.h"

#include "app/CZelvoSrvrItem.h"
#include "app/CZelvoViewWidget.h"
#include "res/Resource.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

class OleItemTest : public CFrameFixture {
protected:
    void InsertPicture() {
        const QString strPicture = m_dir.filePath(QStringLiteral("red.png"));
        QImage picture(50, 50, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(strPicture));
        m_pFrame->GetDialogHost().SetPictureChooser([strPicture] { return strPicture; });
        Trigger(ID_OLE_INSERT_NEW);
    }
    QRgb Shown(int x, int y) { return m_pFrame->GetViewWidget().viewport()->grab().toImage().pixel(x, y); }
};

TEST_F(OleItemTest, InsertedPictureIsDrawnInItsSquareAndSelected) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    InsertPicture();
    CZelvoCntrItem* pItem = m_pFrame->GetItems().GetSelection();
    ASSERT_NE(pItem, nullptr);
    EXPECT_TRUE(pItem->IsInPlaceActive());
    EXPECT_EQ(Shown(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(Shown(209, 209), qRgb(255, 0, 0));
    EXPECT_NE(Shown(230, 230), qRgb(255, 0, 0));
}

TEST_F(OleItemTest, EscapeClosesTheActiveItem) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    InsertPicture();
    ASSERT_NE(m_pFrame->GetItems().GetInPlaceActiveItem(), nullptr);
    m_pFrame->activateWindow();
    QTest::keyClick(&m_pFrame->GetViewWidget(), Qt::Key_Escape);
    ASSERT_NE(m_pFrame->GetItems().GetSelection(), nullptr);
    EXPECT_FALSE(m_pFrame->GetItems().GetSelection()->IsInPlaceActive());
    EXPECT_EQ(m_pFrame->GetItems().GetInPlaceActiveItem(), nullptr);
}

TEST(OleItemListTest, OneItemActiveAtATime) {
    QTemporaryDir dir;
    const QString strPicture = dir.filePath(QStringLiteral("p.png"));
    QImage(4, 4, QImage::Format_RGB32).save(strPicture);
    COleItemList items;
    CZelvoCntrItem* pFirst = items.AddItem(CZelvoCntrItem::CreateFromFile(strPicture));
    CZelvoCntrItem* pSecond = items.AddItem(CZelvoCntrItem::CreateFromFile(strPicture));
    EXPECT_EQ(items.GetSelection(), pFirst);
    items.Activate(pFirst);
    items.Activate(pSecond);
    EXPECT_FALSE(pFirst->IsInPlaceActive());
    EXPECT_EQ(items.GetInPlaceActiveItem(), pSecond);
    EXPECT_TRUE(items.CloseActiveItem());
    EXPECT_FALSE(items.CloseActiveItem());
    EXPECT_EQ(CZelvoCntrItem::CreateFromFile(dir.filePath(QStringLiteral("missing.png"))), nullptr);
}

} // namespace

namespace {

TEST(ZelvoSrvrItemTest, ContentIsThreeThousandSquareAndOtherAspectsHaveNoExtent) {
    COleItemList items;
    const CZelvoSrvrItem server(items);
    CSize size;
    EXPECT_TRUE(server.OnGetExtent(CZelvoSrvrItem::DVASPECT_CONTENT, size));
    EXPECT_EQ(size, CSize(3000, 3000));
    CSize sizeIcon(7, 7);
    EXPECT_FALSE(server.OnGetExtent(CZelvoSrvrItem::DVASPECT_ICON, sizeIcon));
    EXPECT_EQ(sizeIcon, CSize(7, 7));
}

TEST(ZelvoSrvrItemTest, PictureShowsOnlyTheFirstEmbeddedObject) {
    QTemporaryDir dir;
    const QString strPicture = dir.filePath(QStringLiteral("blue.png"));
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(strPicture));
    COleItemList items;
    const CZelvoSrvrItem server(items);
    QImage picture(1100, 1100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    CSize size;
    {
        QPainter painter(&picture);
        EXPECT_TRUE(server.OnDraw(painter, size));
    }
    EXPECT_EQ(picture.pixel(500, 500), qRgb(255, 255, 255));
    items.AddItem(CZelvoCntrItem::CreateFromFile(strPicture));
    {
        QPainter painter(&picture);
        EXPECT_TRUE(server.OnDraw(painter, size));
    }
    EXPECT_EQ(picture.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(1009, 1009), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(1010, 1010), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(9, 9), qRgb(255, 255, 255));
}

} // namespace
