#include "RcSettingForm.h"

#include "MessageLine.h"
#include "RcSystem.h"
#include "data/COperateReq.h"
#include "data/CQueryReq.h"
#include "data/CUserManager.h"
#include "data/CVornClientCenter.h"
#include "data/CVornDataManager.h"
#include "data/ttservice/CVornUserInfo.h"
#include "kx/CPushButton.h"
#include "kx/CSimpleTextWidget.h"
#include "utils/CSingletonT.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

namespace Ocv {

namespace {
constexpr int kSaveButtonId = 1;
constexpr int kMessageLimit = 1000;
constexpr int kMessageHeight = 30;
constexpr int kEditWidth = 180;

// "maxOrderVolume" -> "max_order_volume", for the object names.
QString snakeCase(const char* member)
{
    QString name;
    for (const QChar c : QString::fromLatin1(member)) {
        if (c.isUpper())
            name += QLatin1Char('_') + c.toLower();
        else
            name += c;
    }
    return name;
}

QString numberText(const RcLimitField& limit, double value)
{
    return QString::number(value, 'f', limit.kind == RcLimitField::Decimal ? 2 : 0);
}

// "单日最大亏损须为 0 到 100000000000 之间的数值, 最多两位小数"
QString rangeMessage(const RcLimitField& limit)
{
    const QString range = QStringLiteral("%1须为 %2 到 %3 之间的")
                              .arg(QString::fromUtf8(limit.label), numberText(limit, limit.low).section('.', 0, 0),
                                   numberText(limit, limit.high).section('.', 0, 0));
    return range + (limit.kind == RcLimitField::Integer ? QStringLiteral("整数") : QStringLiteral("数值, 最多两位小数"));
}

// The typed number when it is one of the field's kind within its range.
bool parseNumber(const RcLimitField& limit, const QString& typed, double& value)
{
    static const QRegularExpression integer(QStringLiteral("^-?\\d{1,15}$"));
    static const QRegularExpression decimal(QStringLiteral("^-?\\d{1,15}(\\.\\d{1,2})?$"));
    const QString text = typed.trimmed();
    if (!(limit.kind == RcLimitField::Integer ? integer : decimal).match(text).hasMatch())
        return false;
    value = text.toDouble();
    return value >= limit.low && value <= limit.high;
}
} // namespace

CRcSettingForm::CRcSettingForm(Setup setup, QWidget* parent)
    : Kx::CBaseWidget(setup.name + QStringLiteral("_form"), false, parent), m_setup(std::move(setup))
{
    const QString& name = m_setup.name;
    auto* column = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(name + QStringLiteral("_title"));
    column->addWidget(m_title);

    auto* form = new QFormLayout;
    for (const RcLimitField& limit : m_setup.fields) {
        const QString label = QString::fromUtf8(limit.label);
        QWidget* editor = nullptr;
        if (limit.kind == RcLimitField::Switch) {
            editor = new QCheckBox(label, this);
            form->addRow(QString(), editor);
        } else {
            auto* edit = new QLineEdit(this);
            edit->setFixedWidth(kEditWidth);
            edit->setToolTip(rangeMessage(limit));
            editor = edit;
            form->addRow(QStringLiteral("%1 (%2)").arg(label, QString::fromUtf8(limit.unit)), editor);
        }
        editor->setObjectName(name + QLatin1Char('_') + snakeCase(limit.member));
        m_editors.push_back(editor);
    }
    column->addLayout(form);

    m_messageLine = makeMessageLine(name, kMessageHeight, this);
    column->addWidget(m_messageLine);
    column->addStretch(1);

    m_save = new Kx::CPushButton(kSaveButtonId, this);
    m_save->setObjectName(name + QStringLiteral("_save"));
    m_save->setText(QStringLiteral("保存"));
    column->addWidget(m_save, 0, Qt::AlignRight);

    setTitle(QString());
    showRecord(ttservice::IDataPtr());
    updateEnabled();
}

CRcSettingForm::~CRcSettingForm() = default;

void CRcSettingForm::setTarget(const std::string& param, std::function<void(ttservice::IData&)> nameTarget,
                               bool editable)
{
    m_param = param;
    m_nameTarget = std::move(nameTarget);
    m_editable = editable;
    m_read = false;
    m_saving = false;
    ++m_readNumber; // answers for the previous target are dropped
    ++m_saveNumber;
    setMessage(QString(), false);
    showRecord(ttservice::IDataPtr());
    updateEnabled();
}

void CRcSettingForm::setSystemName(const QString& name)
{
    m_systemName = name;
    m_systemTag = 0;
}

void CRcSettingForm::setSystemTag(int systemTag, const QString& label)
{
    m_systemTag = systemTag;
    m_systemName = label;
}

void CRcSettingForm::setTitle(const QString& title)
{
    m_title->setText(title);
}

QString CRcSettingForm::message() const
{
    return m_messageLine->isVisibleTo(const_cast<CRcSettingForm*>(this)) ? m_messageLine->text() : QString();
}

std::string CRcSettingForm::cacheKey() const
{
    return (m_systemTag != 0 ? "#" + std::to_string(m_systemTag) : m_systemName.toStdString()) + "|" + m_param;
}

bool CRcSettingForm::showCached()
{
    const auto found = m_cache.find(cacheKey());
    if (!hasTarget() || found == m_cache.end())
        return false;
    m_read = true;
    showRecord(found->second);
    updateEnabled();
    return true;
}

void CRcSettingForm::scheduleRead()
{
    if (m_readScheduled)
        return;
    m_readScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_readScheduled = false;
        read();
    });
}

bool CRcSettingForm::handleEvent(int eventId, int a, int b, const QString& text, void* data)
{
    if (eventId == Kx::CPushButton::EventButtonClicked && data == static_cast<void*>(m_save)) {
        save();
        return true;
    }
    return Kx::CBaseWidget::handleEvent(eventId, a, b, text, data);
}

bool CRcSettingForm::resolveSystem(int& systemTag)
{
    if (m_systemTag != 0) {
        systemTag = m_systemTag;
        if (!utils::CSingletonT<CVornClientCenter>::instance()->getServerNameBySystemTag(m_systemTag).empty())
            return true;
        setMessage(QStringLiteral("交易系统未连接: %1")
                       .arg(m_systemName.isEmpty() ? QString::number(m_systemTag) : m_systemName),
                   true);
        return false;
    }
    QString fault;
    if (rcSystemTag(m_systemName, systemTag, &fault))
        return true;
    setMessage(fault, true);
    return false;
}

void CRcSettingForm::read()
{
    if (!hasTarget())
        return;
    const quint64 number = ++m_readNumber;
    int systemTag = 0;
    if (!resolveSystem(systemTag)) {
        m_read = false;
        showRecord(ttservice::IDataPtr());
        updateEnabled();
        return;
    }
    auto req = boost::make_shared<CQueryReq>();
    req->moduleKey = m_setup.name.toStdString();
    req->dataType = m_setup.dataType;
    req->param = m_param;
    req->systemTag = systemTag;
    req->parent = this;
    req->callback = [this, number, key = cacheKey()](const boost::shared_ptr<CQueryReq>&, bool ok,
                                                     const QString& text,
                                                     const std::vector<ttservice::IDataPtr>& records,
                                                     int) { onRead(number, key, ok, text, records); };
    utils::CSingletonT<CVornDataManager>::instance()->queryData(req, false);
}

void CRcSettingForm::onRead(quint64 number, const std::string& key, bool ok, const QString& text,
                            const std::vector<ttservice::IDataPtr>& records)
{
    if (number != m_readNumber)
        return;
    if (!ok) {
        m_read = false;
        showRecord(ttservice::IDataPtr());
        setMessage(QStringLiteral("请求失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text), true);
        updateEnabled();
        return;
    }
    const ttservice::IDataPtr defaults = m_setup.makeDefault();
    ttservice::IDataPtr found;
    for (const ttservice::IDataPtr& record : records) {
        if (record && std::string(record->className()) == defaults->className() && record->getKey() == m_param)
            found = record; // the last one wins
    }
    m_read = true;
    m_cache[key] = found;
    showRecord(found);
    if (m_messageIsError)
        setMessage(QString(), false);
    updateEnabled();
}

void CRcSettingForm::showRecord(const ttservice::IDataPtr& record)
{
    m_record = record ? record : m_setup.makeDefault();
    for (std::size_t i = 0; i < m_setup.fields.size(); ++i) {
        const RcLimitField& limit = m_setup.fields[i];
        const ttservice::CRecordField* field = m_record->findField(limit.member);
        if (limit.kind == RcLimitField::Switch)
            static_cast<QCheckBox*>(m_editors[i])->setChecked(field->ref<bool>(*m_record));
        else
            static_cast<QLineEdit*>(m_editors[i])
                ->setText(numberText(limit, limit.kind == RcLimitField::Integer ? field->ref<int>(*m_record)
                                                                             : field->ref<double>(*m_record)));
    }
}

QString CRcSettingForm::takeValues(ttservice::IData& record)
{
    for (std::size_t i = 0; i < m_setup.fields.size(); ++i) {
        const RcLimitField& limit = m_setup.fields[i];
        const ttservice::CRecordField* field = record.findField(limit.member);
        if (limit.kind == RcLimitField::Switch) {
            field->ref<bool>(record) = static_cast<QCheckBox*>(m_editors[i])->isChecked();
            continue;
        }
        auto* edit = static_cast<QLineEdit*>(m_editors[i]);
        double value = 0;
        if (!parseNumber(limit, edit->text(), value)) {
            edit->setFocus();
            edit->selectAll();
            return rangeMessage(limit);
        }
        if (limit.kind == RcLimitField::Integer)
            field->ref<int>(record) = static_cast<int>(value);
        else
            field->ref<double>(record) = value;
    }
    return QString();
}

void CRcSettingForm::save()
{
    if (!m_editable || !m_read || m_saving || !hasTarget())
        return;
    ttservice::IDataPtr record = m_record->clone();
    const QString fault = takeValues(*record);
    if (!fault.isEmpty()) {
        setMessage(fault, true);
        return;
    }
    int systemTag = 0;
    if (!resolveSystem(systemTag))
        return;
    m_nameTarget(*record);
    const auto user = utils::CSingletonT<CUserManager>::instance()->getUserInfoPtr();
    if (const ttservice::CRecordField* updatedBy = record->findField("updatedBy"))
        updatedBy->ref<std::string>(*record) = user ? user->name : std::string();
    if (const ttservice::CRecordField* updateTime = record->findField("updateTime"))
        updateTime->ref<std::string>(*record).clear(); // the platform stamps it
    record->setSystemTag(systemTag);

    const quint64 number = ++m_saveNumber;
    auto req = boost::make_shared<COperateReq>();
    req->moduleKey = m_setup.name.toStdString();
    req->dataType = m_setup.dataType;
    req->operation = ttservice::QDO_MODIFY;
    req->data = record;
    req->parent = this;
    req->callback = [this, number](const boost::shared_ptr<COperateReq>&, bool ok, const QString& text) {
        onSaved(number, ok, text);
    };
    m_saving = true;
    setMessage(QString(), false);
    updateEnabled();
    utils::CSingletonT<CVornDataManager>::instance()->operateData(req);
}

void CRcSettingForm::onSaved(quint64 number, bool ok, const QString& text)
{
    if (number != m_saveNumber)
        return;
    m_saving = false;
    updateEnabled();
    if (!ok) {
        setMessage(QStringLiteral("保存失败, ") + (text.isEmpty() ? QStringLiteral("未知错误") : text), true);
        return;
    }
    setMessage(QStringLiteral("保存成功"), false);
    read();
}

void CRcSettingForm::setMessage(const QString& text, bool error)
{
    m_messageIsError = error && !text.isEmpty();
    m_messageLine->setTextColorKey(error ? QStringLiteral("clr_message_box_warning")
                                         : QStringLiteral("clr_welcome_text_title"));
    m_messageLine->setText(text, kMessageLimit);
    m_messageLine->setToolTip(text);
    m_messageLine->setVisible(!text.isEmpty());
}

void CRcSettingForm::updateEnabled()
{
    const bool editing = m_editable && m_read && !m_saving && hasTarget();
    for (QWidget* editor : m_editors)
        editor->setEnabled(editing);
    m_save->setEnabled(editing);
}

} // namespace Ocv
