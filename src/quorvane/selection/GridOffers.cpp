#include "selection/GridOffers.h"

#include "selection/AccountFilterOffer.h"
#include "selection/LimitsOffer.h"
#include "selection/OrderingOffer.h"

namespace quorvane {

GridOffers buildGridOffers(const OfferSources& sources)
{
    GridOffers offers;
    offers.accountFilter = ConfigurazioneAdvancedQuerySelConti(sources);
    offers.limits = ConfigurazioneAdvancedQuery(sources);
    offers.ordering = ConfigurazioneAdvancedOrder(sources);
    return offers;
}

} // namespace quorvane
