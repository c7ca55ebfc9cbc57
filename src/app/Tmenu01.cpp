#include "Tmenu01.h"
#include "common/ui/FormKit.h"
#include "common/ui/WindowRules.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace mirevo {
namespace {

constexpr QSize kMenuSize(328, 47);
constexpr QSize kSheetListSize(354, 701);
constexpr int kTitleAllowance = form::kFrameAllowance.height();
// The sheet list's top (below its heading) and the margin under it.
constexpr int kListBottomGap = 33;

// The small image at the right end that ends the program.
class CloseImage : public QLabel {
public:
    explicit CloseImage(QWidget* parent) : QLabel(QStringLiteral("✕"), parent)
    {
        setObjectName("Image_close");
        setAlignment(Qt::AlignCenter);
        setToolTip(QStringLiteral("終了"));
        setStyleSheet(QStringLiteral("color: white; background: #b03030; font-weight: bold;"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override { window()->close(); }
};

} // namespace

Tmenu01::Tmenu01(QWidget* parent) : QWidget(parent)
{
    setObjectName("menu01");
    setWindowTitle(QStringLiteral("Mirevo！"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    form::applyJapaneseFont(this);
    registration_ = form::button(this, QStringLiteral("会社情報の事前登録"), 4, 6, 150, 35, "Button1");
    documents_ = form::button(this, QStringLiteral("安全書類の作成"), 158, 6, 140, 35, "Button2");
    auto* closeImage = new CloseImage(this);
    closeImage->setGeometry(302, 12, 22, 22);
    sheetPanel_ = new QWidget(this);
    sheetPanel_->setObjectName("Panel_sheets");
    sheetPanel_->setGeometry(0, 0, kSheetListSize.width(), kSheetListSize.height());
    sheetPanel_->setAutoFillBackground(true); // covers the menu's buttons
    form::label(sheetPanel_, QStringLiteral("シート操作　※クリックすると選択シートに切り替わります"), 4, 4, 346, 22);
    sheetList_ = new QListWidget(sheetPanel_);
    sheetList_->setObjectName("ListBox1");
    sheetList_->setGeometry(4, 28, 346, 668);
    sheetPanel_->hide();
    connect(registration_, &QPushButton::clicked, this, [this] {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        hideOutOfSight();
        if (openRegistration_)
            openRegistration_();
    });
    connect(documents_, &QPushButton::clicked, this, &Tmenu01::openProjectWindow);
    connect(sheetList_, &QListWidget::itemClicked, this, &Tmenu01::selectSheet);
    connect(sheetList_, &QListWidget::itemActivated, this, &Tmenu01::selectSheet);
    setFixedSize(kMenuSize);
}

void Tmenu01::openProjectWindow()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    hideOutOfSight();
    if (openProject_)
        openProject_();
}

void Tmenu01::setOpeners(std::function<void()> registration, std::function<void()> project)
{
    openRegistration_ = std::move(registration);
    openProject_ = std::move(project);
}

bool Tmenu01::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !sheetListShown()) {
        if (!(windowFlags() & Qt::WindowStaysOnTopHint)) {
            setWindowFlag(Qt::WindowStaysOnTopHint, true);
            show();
        }
        documents_->setFocus();
    }
    return QWidget::event(e);
}

void Tmenu01::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    if (!e->isAccepted())
        return;
    if (listLoop_)
        listLoop_->quit();
    else
        QCoreApplication::exit(0);
}

void Tmenu01::hideOutOfSight()
{
    // Above the upper screen edge, out of sight but still the main window;
    // the whole frame, title bar included, goes above it.
    outOfSight_ = true;
    const auto placeAbove = [this] {
        const int frameTop = geometry().top() - frameGeometry().top();
        move(x(), -(std::max(height(), frameGeometry().height()) + std::max(frameTop, kTitleAllowance)));
    };
    placeAbove();
    // Again once the window manager has framed it: the frame is known then.
    QTimer::singleShot(100, this, [this, placeAbove] {
        if (outOfSight_)
            placeAbove();
    });
}

void Tmenu01::showAgain()
{
    outOfSight_ = false;
    show();
    setFixedSize(kMenuSize);
    form::centreOnScreen(this);
}

bool Tmenu01::sheetListShown() const
{
    return sheetPanel_->isVisibleTo(this);
}

void Tmenu01::runSheetList(const QStringList& names, std::function<bool(const QString&)> select)
{
    if (listLoop_)
        return;
    selectSheet_ = std::move(select);
    sheetList_->clear();
    sheetList_->addItems(names);
    hide(); // the modality of a window changes only while it is hidden
    setWindowModality(Qt::ApplicationModal);
    outOfSight_ = false;
    sheetPanel_->show();
    sheetPanel_->raise();
    placeForContent();
    show();
    activateWindow();
    sheetList_->setFocus();
    // Under a window manager the frame is known only a moment after the
    // window is shown: place it again then, title bar and all in sight.
    QTimer::singleShot(100, this, [this] {
        if (listLoop_)
            placeForContent();
    });
    QEventLoop loop;
    listLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    listLoop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    sheetPanel_->hide();
    selectSheet_ = {};
    placeForContent();
    show();
    hideOutOfSight();
}

void Tmenu01::selectSheet(QListWidgetItem* item)
{
    // A sheet that is gone (the workbook window closed, the sheet renamed
    // or deleted) ends the list, never the program.
    if (listLoop_ && item && !(selectSheet_ && selectSheet_(item->text())))
        close();
}

void Tmenu01::placeForContent()
{
    if (placing_)
        return;
    placing_ = true;
    if (sheetListShown()) {
        // As tall as the screen has room for, title bar included.
        const QRect area = screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), kSheetListSize);
        const QSize size(kSheetListSize.width(), std::min(kSheetListSize.height(), area.height() - kTitleAllowance));
        setFixedSize(size);
        sheetPanel_->resize(size);
        sheetList_->resize(sheetList_->width(), size.height() - kListBottomGap);
        move(area.topLeft());
    } else {
        setFixedSize(kMenuSize);
    }
    placing_ = false;
}

void Tmenu01::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    placeForContent();
}

} // namespace mirevo
