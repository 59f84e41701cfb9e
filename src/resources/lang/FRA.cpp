// Texts of the console in French. One entry per text id; every id exists in
// all five languages (checked by a test). Keep each module's texts in its
// own section.
#include "resources/Texts.h"

namespace morva {

namespace {
const TextEntry kTexts[] = {
    // --- common ---
    {"common.caption", "Morva Admin"},

    // --- app (start-up, main window, log view) ---
    {"app.menu.file", "&Fichier"},
    {"app.menu.edit", "É&dition"},
    {"app.menu.view", "&Affichage"},
    {"app.menu.configuration", "&Configuration"},
    {"app.menu.options", "&Options"},
    {"app.menu.exchange", "E&xchange"},
    {"app.menu.data", "&Données"},
    {"app.menu.translation", "&Traduction"},
    {"app.menu.rewrite", "&Réécriture"},
    {"app.menu.signal", "&Signal"},
    {"app.menu.help", "&Aide"},
    {"app.label.57607", "&Imprimer..."},
    {"app.label.57606", "&Configuration de l'impression..."},
    {"app.label.57665", "&Quitter"},
    {"app.label.57643", "&Annuler"},
    {"app.label.57635", "&Couper"},
    {"app.label.57634", "Co&pier"},
    {"app.label.57637", "C&oller"},
    {"app.label.57636", "&Rechercher"},
    {"app.label.6002", "&Actualiser"},
    {"app.label.6011", "&Domaines de messagerie sur Exchange..."},
    {"app.label.6010", "&Adresses e-mail sur Exchange..."},
    {"app.label.6031", "&Module MORVAFilter pour le dossier Courrier indésirable d'Exchange..."},
    {"app.label.6035", "Service Windows..."},
    {"app.label.6008", "&Transfert des e-mails..."},
    {"app.label.6009", "&Blocage SMTP..."},
    {"app.label.6026", "&Domaine..."},
    {"app.label.6027", "&Boîte aux lettres..."},
    {"app.label.6028", "Domaine vers &adresse e-mail..."},
    {"app.label.6029", "&Domaine..."},
    {"app.label.6030", "&Boîte aux lettres..."},
    {"app.label.6006", "Configuration &avancée..."},
    {"app.label.6012", "&Statistiques..."},
    {"app.label.59392", "&Barre d'outils"},
    {"app.label.59393", "Barre d'é&tat"},
    {"app.label.6036", "&Général..."},
    {"app.label.6037", "&Blocage..."},
    {"app.label.6038", "&Spam..."},
    {"app.label.6042", "&ClamAV..."},
    {"app.label.6039", "S&ession..."},
    {"app.label.6040", "S&ystème..."},
    {"app.label.6041", "&Virus..."},
    {"app.label.6043", "&Transit..."},
    {"app.label.6045", "&S/MIME..."},
    {"app.label.6046", "&DKIM..."},
    {"app.label.6047", "&TLS/SSL..."},
    {"app.label.6044", "&Exclusions globales..."},
    {"app.label.6013", "&Distribuer les messages maintenant"},
    {"app.label.6014", "Écrire les &statistiques"},
    {"app.label.6015", "Écrire la file &sortante"},
    {"app.label.6016", "Envoyer le fichier &journal"},
    {"app.label.6018", "Compacter la liste blanche"},
    {"app.label.6017", "Redémarrer"},
    {"app.label.6019", "D&ocumentation"},
    {"app.label.6020", "&Administrer Morva"},
    {"app.label.6021", "&Dépannage"},
    {"app.label.6023", "&Combattre le spam"},
    {"app.label.6024", "&Guide d'exploitation"},
    {"app.label.6022", "&Renforcer la sécurité"},
    {"app.label.6032", "Site du service de &signalement de spam"},
    {"app.label.6033", "MORVAFilter pour le dossier Courrier indésirable d'Exchange"},
    {"app.label.6025", "Des &questions ?"},
    {"app.label.6000", "Site web de &Brentmoor"},
    {"app.label.5099", "Commande en &ligne"},
    {"app.label.57664", "À &propos..."},
    {"app.prompt.57607", "Imprimer le journal\nImprimer (Ctrl+P)"},
    {"app.prompt.57606", "Modifier l'imprimante et les options d'impression\nConfiguration de l'impression"},
    {"app.prompt.57665", "Quitter la console\nQuitter"},
    {"app.prompt.57643", "Annuler la dernière action\nAnnuler"},
    {"app.prompt.57635", "Couper la sélection et la placer dans le presse-papiers\nCouper"},
    {"app.prompt.57634", "Copier les lignes sélectionnées du journal dans le presse-papiers\nCopier"},
    {"app.prompt.57637", "Insérer le contenu du presse-papiers\nColler"},
    {"app.prompt.57636", "Rechercher un texte dans la colonne actuelle du journal\nRechercher"},
    {"app.prompt.6002", "Actualiser\nActualiser (F5)"},
    {"app.prompt.6001", "Afficher de nouveau le journal"},
    {"app.prompt.6011", "Modifier la liste des domaines de messagerie gérés par Exchange"},
    {"app.prompt.6010", "Modifier la liste des adresses e-mail gérées par Exchange"},
    {"app.prompt.6031", "Activer la prise en charge de MORVAFilter ou des règles Outlook"},
    {"app.prompt.6035", "Installer, démarrer et arrêter le service Morva"},
    {"app.prompt.6008", "Modifier le transfert des messages vers d'autres destinataires"},
    {"app.prompt.6009", "Modifier le blocage des messages au niveau du transport SMTP"},
    {"app.prompt.6026", "Traduire un domaine de messagerie en un autre domaine dans les messages entrants"},
    {"app.prompt.6027", "Traduire une boîte aux lettres en une autre boîte aux lettres dans les messages entrants"},
    {"app.prompt.6028", "Traduire un domaine de messagerie en une autre adresse e-mail dans les messages entrants"},
    {"app.prompt.6029", "Réécrit un domaine de messagerie en un autre domaine dans les messages sortants"},
    {"app.prompt.6030", "Réécrit une boîte aux lettres en une autre boîte aux lettres dans les messages sortants"},
    {"app.prompt.6006", "Modifier les options de configuration avancées"},
    {"app.prompt.6012", "Afficher les statistiques de la passerelle"},
    {"app.prompt.59392", "Afficher ou masquer la barre d'outils\nBarre d'outils"},
    {"app.prompt.59393", "Afficher ou masquer la barre d'état\nBarre d'état"},
    {"app.prompt.6036", "Modifier les options liées à Exchange\nOptions générales"},
    {"app.prompt.6037", "Modifier les options de blocage\nOptions de blocage"},
    {"app.prompt.6038", "Modifier les options liées au spam\nOptions anti-spam"},
    {"app.prompt.6042", "Modifier les options liées à ClamAV"},
    {"app.prompt.6039", "Modifier les options de session\nOptions de session"},
    {"app.prompt.6040", "Modifier les options système\nOptions système"},
    {"app.prompt.6041", "Modifier les options antivirus\nOptions antivirus"},
    {"app.prompt.6043", "Modifier l'avertissement\nOptions de transit"},
    {"app.prompt.6044", "Modifier les listes d'exclusion\nExclusions globales"},
    {"app.prompt.6045", "Modifier les options liées à S/MIME\nOptions S/MIME"},
    {"app.prompt.6046", "Modifier les options liées à DKIM\nOptions DKIM"},
    {"app.prompt.6047", "Modifier les options liées à TLS"},
    {"app.prompt.6013", "Signaler à GWCored de distribuer maintenant tous les messages SMTP"},
    {"app.prompt.6014", "Signaler à GWCored d'écrire les statistiques dans le fichier journal"},
    {"app.prompt.6015", "Signaler à GWCored d'écrire la file d'attente sortante dans le fichier journal"},
    {"app.prompt.6016", "Signaler à GWCored d'envoyer le fichier journal actuel à l'adresse e-mail définie comme postmaster"},
    {"app.prompt.6018", "Signaler à GWCored de compacter la liste blanche (AdrOWL-A.dat). Remarque : cela peut prendre du temps selon la taille de la liste"},
    {"app.prompt.6019", "Consulter la documentation sur le web"},
    {"app.prompt.6020", "Consulter la documentation des options"},
    {"app.prompt.6021", "Consulter la base de dépannage"},
    {"app.prompt.6023", "Consulter une description du fonctionnement de la lutte contre le spam"},
    {"app.prompt.6024", "Consulter les réglages recommandés"},
    {"app.prompt.6022", "Consulter comment renforcer la sécurité de la passerelle"},
    {"app.prompt.6032", "Ouvrir le site du service de signalement de spam"},
    {"app.prompt.6033", "Ouvrir le site du module MORVAFilter"},
    {"app.prompt.6025", "Créer une demande d'assistance"},
    {"app.prompt.6000", "Ouvrir le site web de Brentmoor"},
    {"app.prompt.5099", "Commander Morva en ligne"},
    {"app.prompt.57664", "Afficher la version et l'éditeur du programme\nÀ propos"},
    {"app.prompt.6007", "Créer une nouvelle entrée\nNouveau"},
    {"app.prompt.6003", "Ouvrir l'entrée sélectionnée\nOuvrir (Entrée)"},
    {"app.prompt.6004", "Supprimer l'entrée sélectionnée\nSupprimer (Suppr)"},
    {"app.prompt.57345", "Prêt"},
    {"app.prompt.59142", "Verrouillé"},
    {"app.prompt.59137", "MAJ"},
    {"app.prompt.59138", "NUM"},
    {"app.versionMismatch", "La version de GWConsole (<VERA>) ne correspond pas à la version de GWCored (<VERB>)"},
    {"app.browserFailed", "Impossible de démarrer votre navigateur WWW !"},
    {"app.createWindowFailed", "Impossible de créer la fenêtre : "},
    {"app.createDialogFailed", "Impossible de créer la boîte de dialogue : "},
    {"app.printing", "Impression..."},

    // --- config ---

    // --- confui (property sheets, pages, entry dialogs) ---

    // --- db (record files, data set) ---

    // --- records (record lists and sheets) ---

    // --- service (signal files, service dialog) ---
    {"service.signalFailed", "Impossible de créer un fichier signal"},

    // --- stats ---

};
}  // namespace

std::span<const TextEntry> frenchTexts()
{
    return kTexts;
}

}  // namespace morva
