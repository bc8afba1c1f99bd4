// The simulated engine: the world a plug-in acts on, and the services it calls.
//
// One World is current at a time (the newest; it hands back to the one before when it goes); the
// engine's handle classes and GameInterface functions act on it.
// Objects a plug-in creates during a call for that call alone (unit lists, local groups, messages,
// temporary parameter lists, power figures) are reclaimed when the outermost call into the plug-in
// returns.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine_api/engine.h"
#include "engine_sim/journal.h"
#include "engine_sim/random.h"
#include "engine_sim/table.h"

namespace sim {

constexpr int32_t kNations = 8;
// Length of one engine update in units of the global clock.
constexpr int32_t kTickLength = 100;
// Units: map units walked per update, reach of their weapons, hit points taken per blow, and how far
// they look for enemies of their own accord.
constexpr int32_t kUnitSpeed = 60;
constexpr int32_t kWeaponRange = 80;
constexpr int32_t kBlow = 10;
constexpr int32_t kSight = 600;

// Order codes, as getORDERi reports them.
enum OrderCode : int32_t { kOrderNone = 0, kOrderMove = 1, kOrderMarkTime = 2, kOrderAttack = 4, kOrderProduce = 8 };
// Updates a producer takes for one unit.
constexpr int32_t kProduceTicks = 3;

struct Order {
    OrderCode code = kOrderMove;
    int32_t x = 0;
    int32_t y = 0;
    int32_t target = -1;  // the unit attacked, or the container a move enters
    int32_t dir = -1;     // facing on arrival, -1: as it comes
    int32_t time = 0;     // updates left of marking time
};

struct Unit {
    int32_t type = 0;
    uint8_t nation = 0;
    int32_t nationMask = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t dir = 0;
    int32_t hp = 100;
    bool alive = true;
    bool attackable = true;  // false: out of reach of attackers (on a cliff, over water)
    bool hero = false;
    int32_t heroLevel = 0;
    int32_t experience = 0;
    bool collectsExperience = true;
    std::vector<Order> orders;
    bool hidden = false;
    int32_t container = -1;       // the unit holding this one
    std::vector<int32_t> inside;  // the units this one holds
    std::set<int32_t> abilities;  // ability kinds carried
    std::map<std::string, int32_t> abilityStates;
};

// A group or a unit list: an ordered set of unit ids.
struct UnitSet {
    bool group = false;
    bool local = false;
    std::string name;
    std::vector<int32_t> units;
    int32_t nationMask = -1;  // set by setNMASK; -1: that of the first unit
    int32_t lockType = 0;
    int32_t dead = 0;     // members that died
    int32_t added = 0;    // since getNew_UN last reset
    int32_t removed = 0;  // since getRem_UN last reset
    int32_t aiGuard = 0;
    bool searchEnemy = false;
    bool underAttack = false;
    bool standGround = false;
    bool capturable = true;
    bool exploring = false;
    int32_t destDelta = 0;
    bool itemDrops = true;
    bool hasRallyPoint = false;
    int32_t rallyX = 0;
    int32_t rallyY = 0;
    std::vector<std::pair<int32_t, int32_t>> production;  // (type, units still to make), in order
    int32_t productionWait = 0;
};

// One line of a conversation: its speakers, its speech file ("" for none) and its number of text lines.
struct DialogLine {
    int32_t group = -1;
    std::string speech;
    int32_t textLines = 1;
};

// A speech stream of the engine's music and speech player.
struct SpeechStream {
    std::string file;
    int32_t startedAt = 0;
    bool playing = false;
};

// The engine's speech clouds and the player's requests about them.
struct Clouds {
    std::vector<int32_t> speakers;  // groups
    int32_t shownLine = -1;
    int32_t shownGroup = -1;
    bool cancelRequested = false;
    bool centreRequested = false;
    int32_t additionalDelay = 500;
};

// Named engine objects of the script world.
struct Ability {
    std::string name;
};

struct Camera {
    std::string name;
    bool playing = false;
};

struct WeaponMod {
    std::string name;
};

// What the engine shows and starts on behalf of a plug-in, kept for the host and tests to read.
struct Hint {
    std::string text;
    int32_t time = 0;
};

struct Alert {
    int32_t x = 0;
    int32_t y = 0;
    int32_t duration = 0;
    int32_t nation = 0;
};

struct WeaponShot {
    int32_t weapon = -1;
    int32_t sourceGid = -1;
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    int32_t destinationGid = -1;
    int32_t destinationX = 0;
    int32_t destinationY = 0;
};

// Units handed to a nation's computer player as an attack force.
struct AttackForce {
    uint8_t nation = 0;
    std::vector<int32_t> units;
};

struct AbilityUse {
    int32_t ability = -1;
    int32_t caster = -1;  // group
    int32_t target = -1;  // group
    int32_t x = 0;
    int32_t y = 0;
};

struct Node {
    int32_t x = 0;
    int32_t y = 0;
    int32_t r = 0;
    int32_t dir = 0;
    int32_t sfr = 0;     // special function: 100 marks a halt on a route
    bool bad = false;    // blocked: a route through it is reported bad
};

enum class VarType { Int, Bool, Str, Node, Group, Array, Ability, Camera, WeaponMod, Dialog };

struct Variable {
    std::string name;
    VarType type = VarType::Int;
    int32_t number = 0;  // INT value, or the id of the object denoted (-1: none)
    bool flag = false;   // BOOL value
    _str text;
    int32_t link = -1;  // id of the variable this one is linked to, -1: its own value
};

struct ParamList {
    std::vector<int32_t> variables;  // ids, in order of creation
};

struct Array {
    int32_t list = -1;  // its elements are this list's variables
};

struct Message {
    std::string name;
    int32_t params = -1;
    int32_t sender = -1;
};

using ScriptFunction = int32_t (*)(pParamList*);
using StateMachineFunction = int32_t (*)(pSMARTOBJECT&, _str&, pMSG&);

struct SmartObject {
    std::string kind;
    std::string name;
    std::string state;
    std::string requested;
    bool changeRequested = false;
    bool changeConfirmed = false;
    int32_t group = -1;
    int64_t attachedAt = 0;
    int32_t params = -1;
};

struct Area {
    int32_t cellX = -1;
    int32_t cellY = -1;
    int32_t nation = -1;
    int32_t lockType = 0;
    int32_t cluster = 0;
    int32_t radius = 256;
    int32_t baseDefence = 0;
};

// A set of areas with its defence figures.
struct AreaSet {
    std::vector<int32_t> areas;
    int32_t defence = 0;
    int32_t weakest = -1;
};

struct AreaTotal {
    std::vector<std::unique_ptr<wl_CAreaListPowerData>> entries;
};

struct DeclaredParam {
    std::string type;
    std::string name;
};

struct DeclaredFunction {
    std::string name;
    std::vector<DeclaredParam> params;
};

struct UnitSpec {
    int32_t type = 0;
    int32_t nation = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 100;
    bool hero = false;
    int32_t heroLevel = 0;
    int32_t dir = 0;
};

class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // The current world, or nullptr.
    static World* current();

    Journal journal;
    Random random;

    // --- Building the world (engine side; not journaled).
    int32_t addUnit(const UnitSpec& spec);
    int32_t addGroup(const std::string& name, const std::vector<int32_t>& units = {});
    int32_t addNode(int32_t x, int32_t y, int32_t r, int32_t dir = 0);
    int32_t addArea(const Area& area);
    pParamList newList();
    pARRAY newArray();
    // Appends an element (an INT value or the id of a node, group, ...) named by its index.
    void pushElement(pARRAY array, VarType type, int32_t value);
    void pushNode(pARRAY array, int32_t node) { pushElement(array, VarType::Node, node); }
    void pushInt(pARRAY array, int32_t value) { pushElement(array, VarType::Int, value); }
    void pushGroup(pARRAY array, int32_t group) { pushElement(array, VarType::Group, group); }
    void killUnit(int32_t gid, int32_t killerNation = -1);
    void eraseUnit(int32_t gid);
    void recordKill(int32_t nation, int32_t type, int32_t count = 1);
    void giveOrder(int32_t gid, const Order& order);
    void setInsideDialogState(bool state) { m_insideDialog = state; }
    void setTankMode(bool on) { m_tankMode = on; }

    // --- Named objects of the script world.
    int32_t addAbility(const std::string& name);
    int32_t abilityByName(const std::string& name) const;
    Ability* ability(int32_t id) const { return m_abilities.get(id); }
    int32_t addCamera(const std::string& name);
    Camera* camera(int32_t id) const { return m_cameras.get(id); }
    void removeCamera(int32_t id) { m_cameras.remove(id); }
    int32_t addWeaponMod(const std::string& name);
    WeaponMod* weaponMod(int32_t id) const { return m_weaponMods.get(id); }
    // The ability the engine is processing: the unit that owns it and the unit that set it off.
    void setProcessedAbility(int32_t owner, int32_t activator);
    int32_t abilityOwner() const { return m_abilityOwner; }
    int32_t abilityActivator() const { return m_abilityActivator; }

    // --- Units made by the engine on a script's behalf, placed evenly on a circle of radius r.
    std::vector<int32_t> createUnits(int32_t count, int32_t x, int32_t y, int32_t r, uint8_t nation, int32_t type);
    // Containers: a unit inside another is taken off the map until it comes out.
    void putInside(int32_t gid, int32_t container);
    void takeOut(int32_t gid);
    // The unit list of a nation's selection (or of its second selection), -1 for no nation.
    int32_t selection(int32_t nation, bool second) const;

    // --- Conversations, files and speech.
    int32_t addDialogLine(const DialogLine& line) { return m_dialogLines.add(std::make_unique<DialogLine>(line)); }
    DialogLine* dialogLine(int32_t id) const { return m_dialogLines.get(id); }
    Clouds clouds;
    std::set<std::string> files;                  // the files that exist
    std::map<std::string, int32_t> speechLength;  // by file; others last kDefaultSpeech
    SpeechStream streams[4];
    int32_t soundVolume = 100;
    bool gamePaused = false;
    bool scriptPaused = false;
    int32_t cameraX = 0;
    int32_t cameraY = 0;
    // Resources of the nations, by (nation, resource).
    std::map<std::pair<int32_t, int32_t>, int32_t> resources;

    // --- What the engine showed and started on a plug-in's behalf.
    std::vector<Hint> hints;
    std::vector<Alert> alerts;
    std::vector<WeaponShot> shots;
    std::vector<AttackForce> attackForces;
    std::vector<AbilityUse> abilityUses;
    std::map<std::string, std::string> texts;
    int32_t livingSpace[kNations] = {};
    void toggleTankMode() { m_tankMode = !m_tankMode; }

    // --- Objects.
    Unit* unit(int32_t gid) const { return m_units.get(gid); }
    const Table<Unit>& units() const { return m_units; }
    UnitSet* unitSet(int32_t id) const { return m_sets.get(id); }
    UnitSet* group(int32_t id) const;
    UnitSet* unitList(int32_t id) const;
    int32_t groupByName(const std::string& name) const;
    Node* node(int32_t id) const { return m_nodes.get(id); }
    const Table<Node>& nodes() const { return m_nodes; }
    ParamList* list(int32_t id) const { return m_lists.get(id); }
    Array* array(int32_t id) const { return m_arrays.get(id); }
    Message* message(int32_t id) const { return m_messages.get(id); }
    SmartObject* smartObject(int32_t id) const { return m_smartObjects.get(id); }
    const Table<SmartObject>& smartObjects() const { return m_smartObjects; }
    Area* area(int32_t id) const { return m_areas.get(id); }
    AreaSet* areaSet(int32_t id) const { return m_areaSets.get(id); }
    AreaTotal* areaTotal(int32_t id) const { return m_areaTotals.get(id); }
    const Table<Area>& areas() const { return m_areas; }

    int32_t createUnitSet(bool group, const std::string& name, bool local);
    int32_t createList(bool local);
    int32_t createArray();
    int32_t createMessage(const std::string& name, int32_t params, int32_t sender);
    int32_t createAreaSet(AreaSet set);
    int32_t createAreaTotal();
    void removeList(int32_t id);
    // Adds a unit to a set (once); counts it as new for groups.
    void addToSet(UnitSet& set, int32_t gid);
    void removeFromSet(UnitSet& set, std::size_t index);

    // --- Variables of parameter lists.
    Variable* variable(int32_t id) const { return m_variables.get(id); }
    // The variable of that name in the list (not following links), or its id -1.
    int32_t findVariable(int32_t list, const char* name) const;
    // The variable whose value a read or write of `id` reaches, following live links.
    Variable* resolve(int32_t id) const;
    int32_t addVariable(int32_t list, const char* name, VarType type);
    int32_t variableAt(const void* address) const;
    void clearList(int32_t list);
    int32_t& scratchInt();
    bool& scratchBool();
    _str& scratchStr();

    // --- Script declarations and the plug-in's functions.
    std::vector<DeclaredFunction>& declarations() { return m_declarations; }
    void bindScriptFunction(const std::string& name, ScriptFunction function);
    void bindKind(const std::string& kind, StateMachineFunction function);
    bool hasKind(const std::string& kind) const { return m_kinds.count(kind) != 0; }
    // Calls a script function by its declared name; -1 when it is not bound.
    int32_t call(const std::string& name, pParamList* list);

    // --- Smart objects and messages.
    int32_t createSmartObject(const std::string& kind);
    // Delivers a message at once; returns the state machine's result (0 when it cannot be delivered).
    int32_t send(int32_t smartObject, const std::string& message, int32_t params = -1, int32_t sender = -1);
    void sendLater(int32_t smartObject, const std::string& message, int32_t delay, int32_t sender);
    void requestState(int32_t smartObject, const char* state);
    void confirmState(int32_t smartObject, bool confirm);
    // Releases a group from every smart object it is attached to; true when there was one.
    bool releaseGroup(int32_t group);
    // True when the group is attached to a smart object of that kind.
    bool runsKind(int32_t group, const std::string& kind) const;
    int32_t findSmartObjectByKind(const std::string& kind) const;
    int32_t findSmartObjectByName(const std::string& name) const;
    void attach(SmartObject& smartObject, int32_t group);

    // --- Time.
    int32_t now() const { return m_clock; }
    // One engine update: the clock advances, units carry out their orders (when `unitsMove`), due
    // delayed messages are delivered, then every smart object receives "MSG_UPDATE".
    void Tick(int32_t length = kTickLength);
    bool unitsMove = true;

    // --- Game state.
    int32_t kills(int32_t nation, int32_t type) const;
    bool insideDialogState() const { return m_insideDialog; }
    bool tankMode() const { return m_tankMode; }

    // --- Calls into the plug-in. Objects made local during a call go when the outermost call returns.
    void enterCall() { ++m_callDepth; }
    void leaveCall();
    bool inCall() const { return m_callDepth > 0; }

private:
    enum class LocalKind { UnitSet, List, Message, AreaSet, AreaTotal };
    void markLocal(LocalKind kind, int32_t id);
    void reclaimLocals();
    void applyStateChanges();
    void stepUnits();
    void stepProduction();
    void produceOne(int32_t group, UnitSet& producer);
    void stepUnit(int32_t gid, Unit& unit);
    void strike(int32_t attacker, int32_t target);
    void deliverDue();

    World* m_previous;  // the world that was current before this one
    Table<Unit> m_units;
    Table<UnitSet> m_sets;
    Table<Node> m_nodes;
    Table<Variable> m_variables;
    Table<ParamList> m_lists;
    Table<Array> m_arrays;
    Table<Message> m_messages;
    Table<SmartObject> m_smartObjects;
    Table<Area> m_areas;
    Table<Ability> m_abilities;
    Table<DialogLine> m_dialogLines;
    Table<Camera> m_cameras;
    Table<WeaponMod> m_weaponMods;
    int32_t m_abilityOwner = -1;
    int32_t m_abilityActivator = -1;
    int32_t m_selections[2][kNations] = {};
    Table<AreaSet> m_areaSets;
    Table<AreaTotal> m_areaTotals;
    std::unordered_map<const void*, int32_t> m_variableAddresses;
    std::vector<std::pair<LocalKind, int32_t>> m_locals;

    std::vector<DeclaredFunction> m_declarations;
    std::map<std::string, ScriptFunction> m_scriptFunctions;
    std::map<std::string, StateMachineFunction> m_kinds;

    struct Delayed {
        int32_t due;
        int64_t order;
        int32_t receiver;
        int32_t sender;
        std::string message;
    };
    std::vector<Delayed> m_delayed;
    int64_t m_sequence = 0;
    int32_t m_clock = 0;
    int32_t m_deliveryDepth = 0;
    bool m_applyingChanges = false;
    int32_t m_callDepth = 0;

    std::map<std::pair<int32_t, int32_t>, int32_t> m_kills;
    bool m_insideDialog = false;
    bool m_tankMode = false;

    int32_t m_scratchInt = 0;
    bool m_scratchBool = false;
    _str m_scratchStr;
};

}  // namespace sim
