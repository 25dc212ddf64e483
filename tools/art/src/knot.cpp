#include "knot.h"

#include "style.h"

#include <QLineF>
#include <QPainterPath>
#include <algorithm>
#include <map>
#include <optional>

namespace {

// Where a crossing lies on a strand: the strand and the position along its points.
struct Visit {
    int strand;
    qreal position;
    int crossing;
};

std::optional<QPointF> segmentsCross(QLineF a, QLineF b, qreal& along_a, qreal& along_b) {
    QPointF at;
    if (a.intersects(b, &at) != QLineF::BoundedIntersection)
        return std::nullopt;
    along_a = QLineF(a.p1(), at).length() / a.length();
    along_b = QLineF(b.p1(), at).length() / b.length();
    return at;
}

QLineF segment(const QList<QPointF>& points, qsizetype i) {
    return QLineF(points[i], points[(i + 1) % points.size()]);
}

bool neighbours(qsizetype i, qsizetype j, qsizetype count) {
    return std::abs(i - j) <= 1 || std::abs(i - j) == count - 1;
}

std::vector<Visit> findVisits(const QList<KnotStrand>& strands) {
    std::vector<Visit> visits;
    int crossing = 0;
    for (int s = 0; s < strands.size(); ++s) {
        for (int t = s; t < strands.size(); ++t) {
            const auto& a = strands[s].points;
            const auto& b = strands[t].points;
            for (qsizetype i = 0; i < a.size(); ++i) {
                for (qsizetype j = (s == t ? i + 2 : 0); j < b.size(); ++j) {
                    if (s == t && neighbours(i, j, a.size()))
                        continue;
                    qreal u = 0, v = 0;
                    if (!segmentsCross(segment(a, i), segment(b, j), u, v))
                        continue;
                    visits.push_back({s, i + u, crossing});
                    visits.push_back({t, j + v, crossing});
                    ++crossing;
                }
            }
        }
    }
    return visits;
}

// Along each strand the crossings alternate over, under, over... A strand's starting choice is
// taken from a crossing it shares with a strand that is already decided.
std::vector<bool> decideOver(const QList<KnotStrand>& strands, std::vector<Visit>& visits) {
    std::sort(visits.begin(), visits.end(), [](const Visit& a, const Visit& b) {
        return a.strand != b.strand ? a.strand < b.strand : a.position < b.position;
    });
    std::vector<int> order(visits.size());
    std::vector<int> firstOfStrand(strands.size(), -1);
    for (size_t k = 0; k < visits.size(); ++k) {
        if (firstOfStrand[visits[k].strand] < 0)
            firstOfStrand[visits[k].strand] = int(k);
        order[k] = int(k) - firstOfStrand[visits[k].strand];
    }
    std::vector<int> parity(strands.size(), -1);
    parity[0] = 0;
    for (bool changed = true; changed;) {
        changed = false;
        std::map<int, size_t> decidedVisit;
        for (size_t k = 0; k < visits.size(); ++k)
            if (parity[visits[k].strand] >= 0)
                decidedVisit[visits[k].crossing] = k;
        for (size_t k = 0; k < visits.size(); ++k) {
            auto found = decidedVisit.find(visits[k].crossing);
            if (parity[visits[k].strand] >= 0 || found == decidedVisit.end())
                continue;
            const size_t other = found->second;
            const bool otherOver = (order[other] + parity[visits[other].strand]) % 2 == 0;
            parity[visits[k].strand] = (order[k] + (otherOver ? 1 : 0)) % 2;
            changed = true;
        }
    }
    std::vector<bool> over(visits.size());
    for (size_t k = 0; k < visits.size(); ++k)
        over[k] = (order[k] + std::max(parity[visits[k].strand], 0)) % 2 == 0;
    return over;
}

QPointF pointAt(const QList<QPointF>& points, qreal position) {
    const qsizetype n = points.size();
    qreal whole = std::floor(position);
    const qreal part = position - whole;
    const qsizetype i = ((qsizetype(whole) % n) + n) % n;
    return points[i] + (points[(i + 1) % n] - points[i]) * part;
}

QPainterPath piece(const QList<QPointF>& points, qreal from, qreal to) {
    QPainterPath path(pointAt(points, from));
    for (qreal p = std::floor(from) + 1; p < to; p += 1)
        path.lineTo(pointAt(points, p));
    path.lineTo(pointAt(points, to));
    return path;
}

QPainterPath closedPath(const QList<QPointF>& points) {
    QPainterPath path(points.first());
    for (const QPointF& point : points)
        path.lineTo(point);
    path.closeSubpath();
    return path;
}

void drawRibbon(QPainter& painter, const QPainterPath& path, const KnotStrand& strand, qreal width,
                Qt::PenCapStyle cap) {
    painter.setBrush(Qt::NoBrush);
    for (auto [w, colour] : {std::pair{width, strand.edge},
                             {width * 0.68, strand.band},
                             {width * 0.2, style::mix(strand.band, Qt::white, 0.55)}}) {
        QPen pen(colour, w, Qt::SolidLine, cap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPath(path);
    }
}

// Average spacing of a strand's points, to turn a length along the curve into positions.
qreal spacing(const QList<QPointF>& points) {
    qreal total = 0;
    for (qsizetype i = 0; i < points.size(); ++i)
        total += segment(points, i).length();
    return total / points.size();
}

} // namespace

void drawInterlace(QPainter& painter, const QList<KnotStrand>& strands, qreal width) {
    for (const KnotStrand& strand : strands)
        drawRibbon(painter, closedPath(strand.points), strand, width, Qt::RoundCap);
    std::vector<Visit> visits = findVisits(strands);
    const std::vector<bool> over = decideOver(strands, visits);
    for (size_t k = 0; k < visits.size(); ++k) {
        if (!over[k])
            continue;
        const KnotStrand& strand = strands[visits[k].strand];
        const qreal reach = width * 1.6 / spacing(strand.points);
        drawRibbon(painter,
                   piece(strand.points, visits[k].position - reach, visits[k].position + reach),
                   strand, width, Qt::FlatCap);
    }
}
