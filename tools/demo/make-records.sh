#!/usr/bin/env bash
# Fills a demo program directory with a few forwarding, blocking and
# Exchange user records through morvactl, as the console would write them:
#   tools/demo/make-records.sh MORVACTL PROGRAM_DIR
set -euo pipefail
morvactl=$1
dir=$2
records() { "$morvactl" --program-dir "$dir" records "$@" >/dev/null; }

records add alias info@example.com anna.berger@example.com --deliver
records add alias sales@example.com bruno.keller@example.com
records add alias support@example.com helpdesk@example.net
records add alias webmaster@example.com carla.ricci@example.com --deliver

records add block 0 192.167.13.2
records add block 1 mx.spam-sender.example
records add block 1 bulk-mail.example
records add block 2 offers@cheap-deals.example
records add block 2 @lottery-winner.example

records add user anna.berger@example.com "Anna Berger"
records add user bruno.keller@example.com "Bruno Keller"
records add user carla.ricci@example.com "Carla Ricci"
records add user old.account@example.com "Former employee"
# A deleted slot, reused by the next user added in the console.
records delete user 4
