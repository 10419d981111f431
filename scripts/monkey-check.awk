# Checks a recording of velmira.exe (/out:record): every line is "T BYTES<tab>MICROSECONDS" and its bytes are
# one whole MIDI message the device takes; at the end no note is left sounding. A note sounds from its
# note-on until its note-off (or a note-on of velocity 0), or until all notes off (controller 123) or all
# sound off (120) on its channel. Prints one line per finding; prints nothing when the recording is sound.
#   awk -f monkey-check.awk [-v final=1] RECORDING
function digit(text, at) { return index("0123456789ABCDEF", substr(text, at, 1)) - 1 }
function hex(text) { return digit(text, 1) * 16 + digit(text, 2) }
function bad(why) { printf "line %d: %s: %s\n", NR, why, $0; findings++ }
{
    if ($0 !~ /^[0-9]+( [0-9A-F][0-9A-F])+\t[0-9]+$/) { bad("not a recording line"); next }
    split($0, halves, "\t")
    count = split(halves[1], field, " ") - 1
    status = hex(field[2])
    if (status == 240 || status == 247) {  # F0 ... F7, or an F7 escape: data bytes only in between
        for (i = 3; i < count + 1; i++)
            if (hex(field[i]) >= 128) { bad("a status byte inside a system exclusive message"); next }
        if (status == 240 && field[count + 1] != "F7") bad("a system exclusive message without its F7")
        next
    }
    if (status < 128 || status >= 240) { bad("no channel status byte"); next }
    # A short message is recorded as the word the device takes: always three bytes, the third 00 for a
    # program change or channel pressure, which take one data byte.
    kind = int(status / 16) * 16
    if (count != 3) { bad("a short message of " count " bytes"); next }
    if ((kind == 192 || kind == 208) && field[4] != "00") { bad("a second data byte where the status takes one"); next }
    for (i = 3; i <= count + 1; i++) if (hex(field[i]) >= 128) { bad("a data byte of 80 or more"); next }
    channel = status % 16
    if (kind == 144 && hex(field[4]) > 0) sounding[channel, field[3]]++
    else if (kind == 128 || kind == 144) { if (sounding[channel, field[3]] > 0) sounding[channel, field[3]]-- }
    else if (kind == 176 && (field[3] == "7B" || field[3] == "78"))
        for (key in sounding) { split(key, part, SUBSEP); if (part[1] == channel) delete sounding[key] }
}
END {
    if (final) for (key in sounding) if (sounding[key] > 0) {
        split(key, part, SUBSEP)
        printf "end: channel %d key %s left sounding (%d note-on without note-off)\n", part[1], part[2], sounding[key]
        findings++
    }
    exit findings > 0
}
