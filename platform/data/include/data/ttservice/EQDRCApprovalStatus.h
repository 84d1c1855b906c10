#pragma once

namespace ttservice {

// Where a request to change a risk-control setting stands in its review.
enum EQDRCApprovalStatus
{
    QDRC_APPROVAL_NONE = 0,    // no state; as a filter, any state
    QDRC_APPROVAL_DRAFT = 1,   // saved, not yet submitted
    QDRC_APPROVAL_PENDING = 2, // waiting for a reviewer
    QDRC_APPROVAL_PASSED = 3,  // approved; the change takes effect
    QDRC_APPROVAL_REJECTED = 4 // turned down; the setting stays
};

} // namespace ttservice
