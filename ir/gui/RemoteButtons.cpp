#include "RemoteButtons.h"

const QList<VirtualApplianceModel>& virtualAppliances()
{
    static const QList<VirtualApplianceModel> appliances = {
        {QStringLiteral("テレビ"),
         0x01,
         {{QStringLiteral("tv_power"), QStringLiteral("電源"), 0x15},
          {QStringLiteral("tv_channel_up"), QStringLiteral("チャンネル＋"), 0x10},
          {QStringLiteral("tv_channel_down"), QStringLiteral("チャンネル－"), 0x11},
          {QStringLiteral("tv_volume_up"), QStringLiteral("音量＋"), 0x12},
          {QStringLiteral("tv_volume_down"), QStringLiteral("音量－"), 0x13},
          {QStringLiteral("tv_input"), QStringLiteral("入力切替"), 0x25}}},
        {QStringLiteral("エアコン"),
         0x0A,
         {{QStringLiteral("ac_run"), QStringLiteral("運転／停止"), 0x01},
          {QStringLiteral("ac_cool"), QStringLiteral("冷房"), 0x02},
          {QStringLiteral("ac_heat"), QStringLiteral("暖房"), 0x03},
          {QStringLiteral("ac_warmer"), QStringLiteral("温度＋"), 0x04},
          {QStringLiteral("ac_cooler"), QStringLiteral("温度－"), 0x05}}},
    };
    return appliances;
}

IrFrame frameOf(const VirtualApplianceModel& appliance, const RemoteButton& button, Protocol protocol)
{
    return IrFrame{protocol, appliance.address, button.command, false, false};
}

QString meaningOf(const SeenFrame& seen)
{
    const QString how =
        QStringLiteral(" (%1, %2 kHz)").arg(protocolName(seen.frame.protocol)).arg(seen.carrierKHz, 0, 'f', 1);
    for (const VirtualApplianceModel& appliance : virtualAppliances()) {
        for (const RemoteButton& button : appliance.buttons) {
            IrFrame expected = frameOf(appliance, button, seen.frame.protocol);
            expected.toggle = seen.frame.toggle;
            if (expected == seen.frame)
                return appliance.name + u'：' + button.caption + how;
        }
    }
    return describeFrame(seen.frame) + how;
}
