# Makes a session's finishing the printer's template "Ring & Wire" (sent as finishings-col):
# python3 template_finishing.py SESSION.plist
import plistlib, sys
d = plistlib.load(open(sys.argv[1], 'rb'))
for k, v in (('com.korvo.print.FinishingOptions', 22), ('com.korvo.print.FinishingCustom', 'Ring & Wire')):
    d['PMPrintSettingsTicket']['Items'][k] = v
    d['PMPrintSettingsTicket']['Clients'][k] = 'com.korvo.print'
plistlib.dump(d, open(sys.argv[1], 'wb'))
