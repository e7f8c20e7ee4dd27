#include "CFrameFixture.h"

#include "app/CZelvoViewWidget.h"
#include "res/Resource.h"

#include <QImage>
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
