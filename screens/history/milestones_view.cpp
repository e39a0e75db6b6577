// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/milestones_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/history/history_texts.h"
#include "screens/look.h"

namespace {

// What an item of the list holds besides its text.
enum ItemData {
    // The milestone's place in the log, for a milestone's own line.
    toldRole = Qt::UserRole,
    // The kind, for the line that stands for a kind's repeats.
    kindRole,
    // Whether that line's milestones are listed under it yet.
    filledRole,
};

constexpr int everyTopic = -1;

}  // namespace

MilestonesView::MilestonesView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("milestonesTab"));
    auto* choices = new QHBoxLayout;
    auto* caption = look::caption(this, QStringLiteral("caption_milestoneTopic"), tr("Show:"),
                                  look::silver, QRect());
    topic_ = new QComboBox(this);
    topic_->setObjectName(QStringLiteral("milestoneTopic"));
    topic_->setAccessibleName(tr("Show"));
    //: Which milestones the list shows: all of them.
    topic_->addItem(tr("Every milestone"), everyTopic);
    topic_->addItem(tr("Runs and wickets"), static_cast<int>(MilestoneTopic::runsAndWickets));
    topic_->addItem(tr("Level changes"), static_cast<int>(MilestoneTopic::levelChanges));
    topic_->addItem(tr("Sponsors"), static_cast<int>(MilestoneTopic::sponsors));
    //: Milestones of taking the bookie's money.
    topic_->addItem(tr("The bookie"), static_cast<int>(MilestoneTopic::bookie));
    caption->setBuddy(topic_);
    grouped_ = new QCheckBox(tr("Group repeats"), this);
    grouped_->setObjectName(QStringLiteral("groupRepeats"));
    grouped_->setChecked(true);
    for (QWidget* choice : {static_cast<QWidget*>(topic_), static_cast<QWidget*>(grouped_)}) {
        choice->setFont(look::font(false));
        look::darken(choice);
    }
    look::setTextColour(grouped_, look::silver);
    choices->addWidget(caption);
    choices->addWidget(topic_);
    choices->addWidget(grouped_);
    choices->addStretch();

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("milestones"));
    list_->setAccessibleName(tr("Milestones"));
    list_->setAccessibleDescription(
        tr("The moments of the career worth telling, with the match of each."));
    list_->setHeaderHidden(true);
    list_->setColumnCount(1);
    list_->setFont(look::font(false));
    list_->setAlternatingRowColors(true);
    list_->setUniformRowHeights(true);
    look::darken(list_);
    list_->header()->setStretchLastSection(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QTreeWidget::itemExpanded, this, &MilestonesView::fillGroup);
    connect(list_, &QTreeWidget::itemExpanded, this, &MilestonesView::fitColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(list_, 1);
    connect(topic_, &QComboBox::currentIndexChanged, this, &MilestonesView::showAll);
    connect(grouped_, &QCheckBox::toggled, this, &MilestonesView::showAll);
    setFocusProxy(list_);
}

bool MilestonesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize) fitColumn();
    return QWidget::eventFilter(watched, event);
}

void MilestonesView::fitColumn() {
    // Through the base class, where the measure is public.
    const QAbstractItemView* view = list_;
    const int widest = std::max(list_->viewport()->width(), view->sizeHintForColumn(0));
    if (list_->columnWidth(0) != widest) list_->setColumnWidth(0, widest);
}

void MilestonesView::follow(const Career& career, const std::vector<HistoryRow>& rows) {
    // A history that has not grown at its end is told from its start.
    if (log_.rowsRead() == 0 || rows.size() < log_.rowsRead()) {
        log_ = MilestoneLog(career, rows);
        showAll();
        return;
    }
    const std::size_t from = log_.milestones().size();
    log_.catchUp(career, rows);
    for (std::size_t told = from; told < log_.milestones().size(); ++told) add(told);
    fitColumn();
}

bool MilestonesView::inTopic(Milestone::Kind kind) const {
    const int topic = topic_->currentData().toInt();
    return topic == everyTopic || static_cast<int>(topicOf(kind)) == topic;
}

void MilestonesView::showAll() {
    list_->clear();
    none_ = nullptr;
    shownOfKind_.fill(0);
    lineOfKind_.fill(nullptr);
    for (std::size_t told = 0; told < log_.milestones().size(); ++told) add(told);
    if (list_->topLevelItemCount() == 0) {
        none_ = new QTreeWidgetItem(list_, {tr("No milestone yet.")});
    }
    fitColumn();
}

void MilestonesView::add(std::size_t told) {
    const Milestone& milestone = log_.milestones()[told];
    if (!inTopic(milestone.kind)) return;
    if (none_) {
        delete none_;
        none_ = nullptr;
    }
    const QString sentence = HistoryTexts::milestone(milestone);
    if (!grouped_->isChecked()) {
        auto* item = new QTreeWidgetItem(list_, {sentence});
        item->setData(0, toldRole, static_cast<qulonglong>(told));
        return;
    }
    const Milestone::Kind kind = milestone.kind;
    const std::size_t count = ++shownOfKind_[kind];
    QTreeWidgetItem*& line = lineOfKind_[kind];
    if (count == 1) {
        line = new QTreeWidgetItem(list_, {sentence});
        line->setData(0, toldRole, static_cast<qulonglong>(told));
        return;
    }
    // From the second on, one line stands for them all, where the first was.
    if (count == 2) {
        line->setData(0, toldRole, QVariant());
        line->setData(0, kindRole, static_cast<int>(kind));
        line->setData(0, filledRole, false);
        line->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    line->setText(0, HistoryTexts::repeats(kind, static_cast<qint64>(count)));
    if (line->data(0, filledRole).toBool()) {
        auto* item = new QTreeWidgetItem(line, {sentence});
        item->setData(0, toldRole, static_cast<qulonglong>(told));
    }
}

void MilestonesView::fillGroup(QTreeWidgetItem* group) {
    if (!group->data(0, kindRole).isValid() || group->data(0, filledRole).toBool()) return;
    const auto kind = static_cast<Milestone::Kind>(group->data(0, kindRole).toInt());
    QList<QTreeWidgetItem*> items;
    for (const std::size_t told : log_.ofKind(kind)) {
        auto* item = new QTreeWidgetItem({HistoryTexts::milestone(log_.milestones()[told])});
        item->setData(0, toldRole, static_cast<qulonglong>(told));
        items << item;
    }
    group->addChildren(items);
    group->setData(0, filledRole, true);
}
