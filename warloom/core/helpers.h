// Helpers shared by script functions and state machines: routes of nodes, unit counts in zones,
// the free answer of a smart object, pair sums and the choice of a weak enemy area.
#pragma once

#include <cstdint>

#include "engine_api/engine.h"

namespace warloom {

// Movement orders along a route: the flags, and the modes of the first and of each following order.
constexpr int32_t kSendFlags = 512;
constexpr int32_t kFirstOrder = 0;
constexpr int32_t kQueuedOrder = 2;

// Sends a group along a route from the nearest node ahead of it. 1 when sent, 0 when the group is
// invalid or empty or a node on the way is invalid (orders already given stand).
int32_t SendGroupByRoute(pGroup& group, pARRAY& route);

// True when the smart object's group is gone or empty; an empty group is released from its smart
// objects and the smart object's list is cleared.
bool SOGroupLost(pSMARTOBJECT& smartObject);

// Living units not of the nations in `nationMask` in a circle widened by `extraRadius`, collected
// with the engine's collect option.
int32_t CountUnitsInCircle(int32_t nationMask, int32_t x, int32_t y, int32_t r, int32_t extraRadius, int32_t option);
int32_t CountUnitsInNode(int32_t nationMask, iNode& node, int32_t extraRadius, int32_t option);

// 1 when every unit of the group stands in one of the nodes (an empty group included), else 0.
int32_t GroupInsideNodes(pGroup& group, pARRAY& nodes);

// Answers "MSG_IS_FREE" with `value` through the message's "bFREE"; true when it did.
bool AnswerIsFree(pMSG& message, bool value);

// Sum of the counts of an array of (type, count) pairs; an unpaired last entry is ignored.
int32_t SumPairCounts(pARRAY& pairs);

// The node at an index of a route, wrapping below 0 to the last and past the end to the first. With
// an invalid array, the node the previous call gave.
iNode GetNodeWrapped(pARRAY& array, int32_t index);

// The index of the route node that a point is heading for, or -1 for an invalid route.
int32_t FindRouteIndex(pARRAY& route, int32_t x, int32_t y, bool cyclic);

// Moves `out` onto one of the two route legs that meet at `pivot`, where the group's centre projects.
// 1 when done, 0 when a handle is invalid.
int32_t ProjectOnRoute(iNode& out, pGroup& group, iNode& previous, iNode& pivot, iNode& next);

// Chooses the weakest enemy area for the smart object's group when its INT variable `variable` is -1.
bool PickTargetArea(pSMARTOBJECT& smartObject, const char* variable);
int32_t FindWeakestEnemyArea(pGroup& group, int32_t mode);
int32_t FindWeakestAreaInTotal(wl_CTotalALPD& total, int32_t threshold);

}  // namespace warloom
