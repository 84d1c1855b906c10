#pragma once

#include "WelcomeGlobal.h"
#include "kx/CBaseWidget.h"

#include <QRect>
#include <QString>
#include <QVector>

#include <boost/shared_ptr.hpp>

#include <array>
#include <memory>

namespace Kx {
class CImage;
}
namespace ttservice {
class CVornSubManagerInfo;
}

namespace Ocv {

// The manager board: what the logged-in sub-manager looks after — accounts by trading type, users
// by role and four resource cells. The user band and three of the cells open the user lists.
class WELCOME_EXPORT CLeftWidget : public Kx::CBaseWidget
{
public:
    explicit CLeftWidget(QWidget* parent);
    ~CLeftWidget() override;

    void setManagerInfo(boost::shared_ptr<ttservice::CVornSubManagerInfo> info);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    enum ImageIndex
    {
        AccountsImage,
        UsersImage,
        ProductsImage,
        SignalOrdersImage,
        ApiImage,
        ProxiesImage,
        ImageCount
    };

    void paintGrid(QPainter* painter) const;
    void paintAccounts(QPainter* painter) const;
    void paintUsers(QPainter* painter) const;
    void paintResources(QPainter* painter) const;
    // The list kind of the armed area under pos whose right the user holds; 0 for none.
    int listKindAt(const QPoint& pos) const;

    boost::shared_ptr<ttservice::CVornSubManagerInfo> m_pInfo;
    QRect m_usersRect;
    QVector<QRect> m_resourceRects;
    std::array<bool, 12> m_accountTypeShown{};
    std::array<std::unique_ptr<Kx::CImage>, ImageCount> m_images;
};

} // namespace Ocv
