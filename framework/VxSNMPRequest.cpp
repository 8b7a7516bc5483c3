#include "VxSNMPRequest.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>

#include "common/TDateTime.h"
#include "common/TimeTicks.h"
#include "common/VxExpression.h"
#include "common/VxNumList.h"
#include "common/VxValueMarkers.h"
#include "framework/SnmpTransport.h"
#include "framework/VxSNMPMessages.h"
#include "framework/VxSyntax.h"
#include "framework/VxValueConversion.h"
#include "platform/Exception.h"
#include "platform/SysUtils.h"

namespace {

const char* const NotDone = "(NOTDONE)";
const int NoSuchNameCode = -102;

bool IsTableKind(uint8_t kind) { return kind == MVT_FMV || kind == MVT_UMV; }

[[noreturn]] void ThrowStatus(int status) {
    const SnmpStatusText t = MapSnmpStatus(status);
    throw Exception(t.Message, t.Code);
}

SubIds OidOf(const std::string& text) {
    SubIds ids;
    ParseOidText(text, ids);
    return ids;
}

// Whether dotted OID `a` comes after `b` in SNMP's lexicographic order.
bool OidAfter(const std::string& a, const std::string& b) { return OidOf(b) < OidOf(a); }

// What a row that lacks a column holds there: the agent has no instance.
Vb NoInstance(const std::string& oid) {
    Vb vb(oid);
    vb.Type = SNMP_NOSUCHINSTANCE;
    return vb;
}

}  // namespace

VxSNMPRequest::VxSNMPRequest() {
    Timeout = SessionParameters.Timeout;
    LoadDefaults();
}

struct VxSNMPRequest::Outgoing {
    bool IsRead = false;
};

VxSNMPRequest::~VxSNMPRequest() {
    Alive = 0;
    // Replies still on their way reach their continuations for a while
    // (none when the owner withdrew them); whatever is left then is
    // withdrawn, so that nothing reaches this object once it is gone.
    VxWaitWhile(Life.Watch(), [this] { return Pending > 0; }, std::chrono::milliseconds(6000), VxInput::Hold);
    CancelPending();
}

int VxSNMPRequest::SendAsync(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, bool isRead,
                             std::function<void(Outgoing*, int, const SnmpReply&)> completion) {
    auto outgoing = std::make_shared<Outgoing>(Outgoing{isRead});
    Outgoing* key = outgoing.get();
    const int status = SnmpTransport::Instance().AsyncSend(
        target, kind, vbs, key,
        [key, completion = std::move(completion)](int reason, const SnmpReply& reply) { completion(key, reason, reply); });
    if (status != 0) return status;
    OnTheirWay.push_back(std::move(outgoing));
    ++Pending;
    return 0;
}

void VxSNMPRequest::Settle(Outgoing* outgoing) {
    const auto it = std::find_if(OnTheirWay.begin(), OnTheirWay.end(),
                                 [outgoing](const std::shared_ptr<Outgoing>& o) { return o.get() == outgoing; });
    if (it == OnTheirWay.end()) return;
    OnTheirWay.erase(it);
    if (Pending > 0) --Pending;
}

void VxSNMPRequest::Cancel(bool readsOnly) {
    SnmpTransport& transport = SnmpTransport::Instance();
    for (auto it = OnTheirWay.begin(); it != OnTheirWay.end();) {
        if (readsOnly && !(*it)->IsRead) {
            ++it;
            continue;
        }
        transport.CancelOwner(it->get());
        it = OnTheirWay.erase(it);
        if (Pending > 0) --Pending;
    }
}

void VxSNMPRequest::CancelPendingReads() { Cancel(true); }

void VxSNMPRequest::CancelPending() { Cancel(false); }

int VxSNMPRequest::SendAndWait(const SnmpTarget& target, PduKind kind, const std::vector<Vb>& vbs, SnmpReply& reply) {
    struct Outcome {
        bool Done = false;
        SnmpReply Reply;
    };
    auto outcome = std::make_shared<Outcome>();
    SnmpTransport& transport = SnmpTransport::Instance();
    const int status = transport.AsyncSend(target, kind, vbs, outcome.get(), [outcome](int, const SnmpReply& r) {
        outcome->Reply = r;
        outcome->Done = true;
    });
    if (status != 0) return status;
    VxWaitWhile(Life.Watch(), [&] { return !outcome->Done; }, AnswerLimit(), VxInput::Hold);
    if (!outcome->Done) {
        transport.CancelOwner(outcome.get());
        return SNMP_CLASS_TIMEOUT;
    }
    reply = std::move(outcome->Reply);
    return reply.Status;
}

std::chrono::milliseconds VxSNMPRequest::AnswerLimit() const {
    // The session ends every request by its time-out at the latest (twice
    // that for an SNMPv3 engine discovery, and an SNMPv3 request may go a
    // second time once the agent's engine is found again); the limit only
    // guards against a request that it lost.
    const auto attempts = std::chrono::milliseconds(10L * Timeout * (Retries + 1));
    return 2 * (attempts * (Security.Version == 3 ? 2 : 1) + std::chrono::seconds(2)) + std::chrono::seconds(5);
}

void VxSNMPRequest::LoadDefaults() {
    Device = SessionParameters.Device;
    Scope = SessionParameters.Scope;
    Security = SessionParameters.Security;
    Timeout = SessionParameters.Timeout;
}

std::string VxSNMPRequest::Base(int pos) const {
    const std::string& oid = VarList.GetItem(pos)->ObjectId;
    return VarList.Instance.empty() ? oid : oid + "." + VarList.Instance;
}

SnmpTarget VxSNMPRequest::SetupTarget(bool write) const {
    std::string numeric;
    if (!SnmpTransport::ResolveAddress(Device.Address, numeric)) ThrowVxSNMP(vxBadAddress);
    SnmpTarget t;
    t.Address = numeric;  // resolved once, here
    t.Port = Device.Port;
    t.Version = Security.Version;
    t.Timeout = Timeout;
    t.Retries = Retries;
    if (Security.Version == 3) {
        t.SecurityModel = Security.SecurityModel;
        t.SecurityLevel = Security.SecurityLevel;
        t.SecurityName = Security.SecurityName;
        t.AuthProtocol = Security.AuthProtocol;
        t.PrivProtocol = Security.PrivProtocol;
        t.AuthPassword = Security.AuthPassword;
        t.PrivPassword = Security.PrivPassword;
        t.ContextName = Scope.ContextName;
        t.ContextEngineId = Scope.ContextEngineId;
    } else {
        t.Community = write ? Security.WriteCommunity : Security.ReadCommunity;
    }
    return t;
}

std::vector<Vb> VxSNMPRequest::BuildPdu(Mode mode) {
    std::vector<Vb> vbs;
    bool missingLeftOut = false;
    const int count = static_cast<int>(VarList.GetCount());
    for (int i = 0; i < count; ++i) {
        SnmpVar& item = *VarList.GetItem(i);
        if (mode == Mode::FirstRead) {
            if (!VarList.IsReadable(i)) continue;
            item.LastOid.clear();
            vbs.emplace_back(VarList.Kind == SVT_SV ? Base(i) + ".0" : Base(i));
        } else if (mode == Mode::NextRead) {
            if (!VarList.IsReadable(i)) continue;
            if (!IsTableKind(VarList.Kind)) ThrowVxSNMP(vxNextOnSingle);
            vbs.emplace_back(item.LastOid);
        } else {
            if (IsTableKind(VarList.Kind) && static_cast<uint32_t>(i) < VarList.IndexCount) continue;
            if (!VarList.IsWritable(i)) continue;
            // What the agent marked as missing was never a value: nothing to write back.
            if (IsMissingValueText(item.Value)) {
                missingLeftOut = true;
                continue;
            }
            std::string oid;
            switch (VarList.Kind) {
            case SVT_SV: oid = Base(i) + ".0"; break;
            case MVT_SV: oid = Base(i); break;
            case MVT_FMV:
            case MVT_UMV: oid = Base(i) + "." + RowInstanceFromIndexes(); break;
            default: ThrowVxSNMP(vxBadListKind);
            }
            Vb vb(oid);
            LoadValue(i, vb);
            vbs.push_back(std::move(vb));
        }
    }
    // A set without bindings would change nothing, and an agent answers it
    // as a success: it is never sent.
    if (mode == Mode::Write && vbs.empty()) ThrowVxSNMP(missingLeftOut ? vxNoValueTheAgentHas : vxNoValueChosen);
    return vbs;
}

PduKind VxSNMPRequest::SendKind() const {
    switch (VarList.Kind) {
    case SVT_SV: return PduKind::Get;
    case MVT_SV: return NextRow ? PduKind::GetNext : PduKind::Get;
    case MVT_FMV:
    case MVT_UMV: return PduKind::GetNext;
    default: ThrowVxSNMP(vxBadListKind);
    }
}

std::string VxSNMPRequest::RowInstanceFromIndexes() {
    std::string instance;
    for (uint32_t i = 0; i < VarList.IndexCount; ++i) {
        std::string part;
        IndexValueText(static_cast<int>(i), part);
        if (i) instance += ".";
        instance += part;
    }
    return instance;
}

void VxSNMPRequest::SplitRowInstance(const std::string& instance) {
    std::string rest = instance;
    for (uint32_t i = 0; i < VarList.IndexCount; ++i) {
        const int pos = static_cast<int>(i);
        if (rest.empty()) ThrowVxSNMP(vxBadKeyCount);
        if (!VarList.IsReadable(pos)) VarList.GetItem(pos)->LastOid = Base(pos) + "." + instance;
        rest = TakeIndexValue(pos, rest);
    }
}

bool VxSNMPRequest::TakeReply(const SnmpReply& reply, bool noSuchName, bool getNext) {
    const int count = static_cast<int>(VarList.GetCount());
    int readable = 0;
    for (int i = 0; i < count; ++i) readable += VarList.IsReadable(i);
    // A reply that answers fewer bindings than were asked is malformed.
    if (static_cast<int>(reply.Vbs.size()) < readable) ThrowStatus(SNMP_CLASS_INVALID_PDU);

    // Where each readable column's answer lies: past the column's end, or on
    // a row. The row of this reply is the lowest of them, so that a column
    // whose next value lies on a later row never lends it to this one.
    struct Answer {
        int Item;
        const Vb* Binding;
        bool Ended;
        SubIds Instance;
    };
    std::vector<Answer> answers;
    std::optional<SubIds> row;
    size_t j = 0;
    for (int i = 0; i < count; ++i) {
        if (!VarList.IsReadable(i)) continue;
        const SnmpVar& item = *VarList.GetItem(i);
        const Vb& vb = reply.Vbs[j++];
        if (noSuchName) {
            if (vb.Oid == item.LastOid) return false;  // nothing after the OIDs just sent
            ThrowStatus(2);
        }
        const std::string base = Base(i);
        // An agent that answers get-next with the OID asked for would have
        // the walk end as if the table were over: say so instead. (At the
        // end of the agent's view the OID asked comes back as endOfMibView.)
        if (getNext && IsTableKind(VarList.Kind) && vb.Type != SNMP_ENDOFMIBVIEW &&
            vb.Oid == (item.LastOid.empty() ? base : item.LastOid))
            ThrowVxSNMP(vxRepeatedOid);
        Answer answer{i, &vb, IsEndOfTable(base, item.LastOid, vb.Oid), {}};
        if (!answer.Ended && IsTableKind(VarList.Kind)) {
            answer.Instance = OidOf(vb.Oid.substr(base.size() + 1));
            if (!row || answer.Instance < *row) row = answer.Instance;
        }
        answers.push_back(std::move(answer));
    }
    if (readable == 0) return false;
    if (IsTableKind(VarList.Kind) && !row) {  // every column has ended
        for (const Answer& answer : answers) VarList.GetItem(answer.Item)->Value = NotDone;
        return false;
    }

    const std::string rowInstance = row ? OidText(*row) : std::string();
    for (const Answer& answer : answers) {
        SnmpVar& item = *VarList.GetItem(answer.Item);
        const std::string base = Base(answer.Item);
        if (answer.Ended) {
            // The column has no value on this row; it follows the row that
            // the other columns are on.
            item.Value = std::string(NoSuchInstanceText);
            item.LastOid = base + "." + rowInstance;
        } else if (!row || answer.Instance == *row) {
            StoreValue(answer.Item, *answer.Binding);
            item.LastOid = answer.Binding->Oid;
        } else {
            // This row lacks the column: no value here, and the column is
            // asked again from where it was.
            StoreValue(answer.Item, NoInstance(base + "." + rowInstance));
            if (item.LastOid.empty()) item.LastOid = base;
        }
    }
    if (IsTableKind(VarList.Kind)) SplitRowInstance(rowInstance);
    for (int i = 0; i < count; ++i) UpdateItem(i, true);
    return IsTableKind(VarList.Kind);
}

bool VxSNMPRequest::SyncGet(bool first) {
    if (!Alive) return false;
    const SnmpTarget target = SetupTarget(false);
    const std::vector<Vb> vbs = BuildPdu(first ? Mode::FirstRead : Mode::NextRead);
    const PduKind kind = SendKind();
    SnmpReply reply;
    const VxWatch alive = Life.Watch();
    const int status = SendAndWait(target, kind, vbs, reply);
    if (!alive) ThrowStatus(SNMP_CLASS_TIMEOUT);  // gone meanwhile: nothing of it is touched
    const SnmpStatusText mapped = MapSnmpStatus(status);
    const bool noSuchName = mapped.Code == NoSuchNameCode && IsTableKind(VarList.Kind);
    if (mapped.Code != 0 && !noSuchName) throw Exception(mapped.Message, mapped.Code);
    return TakeReply(reply, noSuchName);
}

void VxSNMPRequest::AsyncGet(VxSNMPContinuation continuation, bool first) {
    if (!Alive) return;
    const SnmpTarget target = SetupTarget(false);
    const std::vector<Vb> vbs = BuildPdu(first ? Mode::FirstRead : Mode::NextRead);
    const PduKind kind = SendKind();
    const int status =
        SendAsync(target, kind, vbs, true, [this, continuation](Outgoing* outgoing, int reason, const SnmpReply& reply) {
            OnAsyncResponse(outgoing, reason, reply, true, 1, continuation);
        });
    if (status != 0) ThrowStatus(status);
}

void VxSNMPRequest::OnAsyncResponse(Outgoing* outgoing, int reason, const SnmpReply& reply, bool isRead,
                                    uint8_t flag, const VxSNMPContinuation& continuation) {
    if (reason == SNMP_REASON_SESSION_CLOSING) {
        Settle(outgoing);
        return;
    }
    const SnmpStatusText mapped = MapSnmpStatus(reason == SNMP_REASON_TIMEOUT ? SNMP_CLASS_TIMEOUT : reply.Status);
    VxSNMPError result;
    result.Code = mapped.Code;
    result.Message = mapped.Message;
    result.ErrorIndex = reply.ErrorIndex;
    result.Device.Address = reply.Address;
    result.Device.Port = reply.Port;
    result.Done = 0;

    // The end-of-walk rule for noSuchName belongs to reads only: a set that
    // the agent refuses with noSuchName stays a failure.
    const bool noSuchName = isRead && mapped.Code == NoSuchNameCode && IsTableKind(VarList.Kind);
    if ((mapped.Code == 0 && flag != 0) || noSuchName) {
        try {
            const bool row = TakeReply(reply, noSuchName, isRead);
            if (noSuchName) {  // the agent found nothing after the OIDs just sent
                result.Code = 0;
                result.Message = VxSNMPOkText();
            }
            if (!row) result.Done = 1;
        } catch (const Exception& e) {
            result.Code = FailureCodeOf(e);
            result.Message = e.Message();
            result.Done = 1;
        }
    } else {
        result.Done = 1;
    }
    // The continuation may send the next request, or destroy this one: the
    // count is settled first and nothing of this object is touched after.
    Settle(outgoing);
    if (continuation) continuation(&result, &VarList);
}

void VxSNMPRequest::MarkItemsForWrite(const std::string& itemList, const std::vector<std::string>* values) {
    if (itemList.empty()) return;
    VxNumList<int> positions;
    positions.Separator = ',';
    positions.Parse(itemList.c_str());
    for (int i = 0; i < static_cast<int>(VarList.GetCount()); ++i) {
        const int at = positions.IndexOf(i);
        if (at < 0) {
            VarList.LeaveOut(i);
            continue;
        }
        VarList.TakeIn(i);
        if (values && static_cast<size_t>(at) < values->size())
            VarList.GetItem(i)->Value = (*values)[static_cast<size_t>(at)];
    }
}

std::vector<Vb> VxSNMPRequest::BuildWrite(const std::string& itemList, const std::vector<std::string>* values,
                                          SnmpTarget& target) {
    // The marks and values of the item list serve this one PDU: the list is
    // as it was once the PDU is built, on every path.
    const VxSNMPVarList saved = VarList;
    struct Restore {
        VxSNMPVarList& List;
        const VxSNMPVarList& Saved;
        ~Restore() { List = Saved; }
    } restore{VarList, saved};
    MarkItemsForWrite(itemList, values);
    for (int i = 0; i < static_cast<int>(VarList.GetCount()); ++i) UpdateItem(i, false);
    target = SetupTarget(true);
    return BuildPdu(Mode::Write);
}

bool VxSNMPRequest::SyncSet(bool readBack, const std::string& itemList, const std::vector<std::string>* values) {
    if (!Alive) return false;
    SnmpTarget target;
    const std::vector<Vb> vbs = BuildWrite(itemList, values, target);
    SnmpReply reply;
    const VxWatch alive = Life.Watch();
    const int status = SendAndWait(target, PduKind::Set, vbs, reply);
    if (!alive) ThrowStatus(SNMP_CLASS_TIMEOUT);  // gone meanwhile: nothing of it is touched
    if (status != 0) ThrowStatus(status);
    if (!readBack) return false;
    return TakeReply(reply, false, false);
}

void VxSNMPRequest::AsyncSet(VxSNMPContinuation continuation, uint8_t flag, const std::string& itemList,
                             const std::vector<std::string>* values) {
    if (!Alive) return;
    SnmpTarget target;
    const std::vector<Vb> vbs = BuildWrite(itemList, values, target);
    const int status = SendAsync(target, PduKind::Set, vbs, false,
                                 [this, continuation, flag](Outgoing* outgoing, int reason, const SnmpReply& reply) {
                                     OnAsyncResponse(outgoing, reason, reply, false, flag, continuation);
                                 });
    if (status != 0) ThrowStatus(status);
}

bool VxSNMPRequest::MatchesRowFilter() { return EvaluateCondition(RowFilter); }

bool VxSNMPRequest::MatchesCondition(const std::string& condition) { return EvaluateCondition(condition); }

std::string VxSNMPRequest::TakeIndexValue(int pos, const std::string& instance) {
    return TakeIndexValueOf(VarList, pos, instance);
}

void VxSNMPRequest::IndexValueText(int pos, std::string& text) { text = IndexValueTextOf(VarList, pos); }

void VxSNMPRequest::StoreValue(int pos, const Vb& vb) {
    SnmpVar& item = *VarList.GetItem(pos);
    item.Value = StoredValueText(item, vb);
}

void VxSNMPRequest::LoadValue(int pos, Vb& vb) { LoadBindingValue(*VarList.GetItem(pos), vb); }

bool VxSNMPRequest::IsEndOfTable(const std::string& base, const std::string& previous, const std::string& now) {
    if (!IsTableKind(VarList.Kind)) return false;
    if (now.size() <= base.size()) return true;
    if (now.compare(0, base.size(), base) != 0 || now[base.size()] != '.') return true;
    // An answer that does not increase (a repeat, or an agent that cycles)
    // would walk for ever.
    return !previous.empty() && !OidAfter(now, previous);
}

std::string VxSNMPRequest::ExpandItemText(const std::string& text, bool quote, char marker) {
    std::string work = text;
    size_t from = 0;
    while (true) {
        const size_t at = work.find(marker, from);
        if (at == std::string::npos) return work;
        size_t end = at + 1;
        while (end < work.size() && std::isdigit(static_cast<unsigned char>(work[end]))) ++end;
        // A reference to no item of the list cannot be expanded.
        const long long pos = end > at + 1 ? LenientInteger(std::string_view(work).substr(at + 1, std::min<size_t>(end - at - 1, 12))) : 0;
        if (pos < 0 || pos >= static_cast<long long>(VarList.GetCount())) ThrowVxSNMP(vxBadSyntaxInExpression);
        const SnmpVar& item = *VarList.GetItem(static_cast<int>(pos));
        const std::string v = RawValueText(item);
        if (v == "(NULL)" || IsMissingValueText(v)) ThrowVxSNMP(vxNullInExpression);
        const VxSyntax* row = FindSyntax(static_cast<int>(item.Syntax));
        std::string replacement;
        switch (row ? row->Operand : SyntaxOperand::Text) {
        case SyntaxOperand::Flag: replacement = v == "true" ? "1" : "0"; break;
        case SyntaxOperand::Number: replacement = v; break;
        case SyntaxOperand::Ticks: replacement = std::to_string(static_cast<uint32_t>(TimeTicks(v))); break;
        case SyntaxOperand::DateNumber: replacement = FloatToStr(StrToDateTime(v)); break;
        case SyntaxOperand::Text:
            if (!quote) ThrowVxSNMP(vxBadSyntaxInExpression);
            replacement = "\"" + v + "\"";
            break;
        }
        work.replace(at, end - at, replacement);
        // Go on after the replacement: a value that itself holds the marker
        // is text, not another reference.
        from = at + replacement.size();
    }
}

void VxSNMPRequest::UpdateItem(int pos, bool afterReply) {
    SnmpVar& item = *VarList.GetItem(pos);
    const std::optional<std::string>& expression = afterReply ? item.Aux1 : item.Aux2;
    if (!expression) return;
    const std::string expanded = ExpandItemText(*expression, false, '$');
    const VxSyntax* row = FindSyntax(static_cast<int>(item.Syntax));
    const SyntaxResult result = row ? row->Result : SyntaxResult::None;
    if (result == SyntaxResult::None) ThrowVxSNMP(vxBadSyntaxInExpression);
    // The result goes through the syntax's octets, as a received value would.
    Octets bytes;
    switch (result) {
    case SyntaxResult::Flag: bytes = LittleEndian(EvalArithmetic(expanded) != 0 ? 1 : 0, row->Size); break;
    case SyntaxResult::Integer:
        bytes = LittleEndian(static_cast<uint64_t>(SaturatedInteger(EvalArithmetic(expanded))), row->Size);
        break;
    case SyntaxResult::WideInteger:
        bytes = LittleEndian(SaturatedUnsigned64(EvalArithmeticWide(expanded)), row->Size);
        break;
    case SyntaxResult::Real: bytes = DoubleOctets(EvalArithmetic(expanded)); break;
    case SyntaxResult::None: break;
    }
    const std::string text = row->ToText(bytes);
    item.Value = LabelledText(item, text);
}

bool VxSNMPRequest::EvaluateCondition(const std::string& text) {
    if (text.empty()) return true;
    return EvalLogic(ExpandItemText(text, true, '$'));
}
