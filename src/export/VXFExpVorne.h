#pragma once
#include "export/VXFExpTBM.h"

// The Vorne requisition: the TBM layout widened by four price columns, the manufacturer's first
// article and the items sorted by article.

namespace vx {

const TRequisitionLayout& VorneLayout();

inline TExportOutcome WriteVorneFile(const TExportDocument& document, const TExportValues& values)
{
    return WriteRequisition(VorneLayout(), document, values);
}

} // namespace vx
